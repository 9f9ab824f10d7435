// Frames must not allocate: start-up loads everything, and the loop that
// draws, reads back and encodes frames only reuses it.
#include "tests/render/counting_allocator.h"
#include "tools/render/frame_capture.h"
#include "tools/render/offline_production.h"
#include "tools/render/png_encoder.h"
#include "tools/render/render_modes.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

namespace {

constexpr int kFrames = 300;

} // namespace

TEST(FrameLoop, AllocatesNothingOverHundredsOfFrames) {
    OfflineProduction production;
    ASSERT_TRUE(production.Start(96, 54));
    FrameCapture capture;
    capture.Init(96, 54);
    PngEncoder encoder;
    ASSERT_TRUE(encoder.Init(96, 54));
    char path[] = "/tmp/zf-render-frame-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);

    // Frames over the whole music, every section included; one pass first so
    // that the driver's first-use work on each section is behind us.
    const double length = production.MusicLength();
    ASSERT_GT(length, 171.0);
    for (double t : {20.0, 50.0, 75.0, 120.0, 160.0, 175.0})
        production.DrawFrameAt(t);

    StartCountingAllocations();
    long failedWrites = 0;
    for (int i = 0; i < kFrames; ++i) {
        double t = length * i / kFrames;
        failedWrites += !WriteFramePng(production, capture, encoder, t, path);
    }
    AllocationCount counted = StopCountingAllocations();
    unlink(path);

    EXPECT_EQ(failedWrites, 0);
    EXPECT_EQ(counted.newCalls, 0) << "operator new inside the frame loop";
    if (CountsMalloc()) {
        EXPECT_EQ(counted.mallocCalls, 0) << "malloc inside the frame loop (ours or the driver's)";
    }
}
