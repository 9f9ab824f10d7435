// Frames must not allocate: start-up loads everything, and the loop that
// draws, reads back and encodes frames only reuses it.
#include "gfx/png_encoder.h"
#include "tests/render/counting_allocator.h"
#include "tools/render/exposure.h"
#include "tools/render/offline_production.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_capture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kFrames = 300;

// Only one production per process (the audio library starts once per
// process), shared by the tests.
OfflineProduction& StartedProduction() {
    static OfflineProduction production;
    static bool started = production.Start(96, 54);
    EXPECT_TRUE(started);
    return production;
}

} // namespace

TEST(FrameLoop, CounterSeesAllocationsOfOurs) {
    StartedProduction();
    StartCountingAllocations();
    auto numbers = std::make_unique<int[]>(1000);
    void* volatile block = std::malloc(64);
    std::free(block);
    AllocationCount counted = StopCountingAllocations();
    EXPECT_NE(numbers.get(), nullptr);
    EXPECT_EQ(counted.newCalls, 1);
    if (CountsMalloc()) {
        EXPECT_EQ(counted.mallocCalls, 1);
    }
}

TEST(FrameLoop, AllocatesNothingOverHundredsOfFrames) {
    OfflineProduction& production = StartedProduction();
    // With motion blur: every subframe is drawn and read as a plain frame is,
    // and summed on top.
    Exposure exposure;
    ExposureSettings blurred;
    blurred.subframes = 2;
    exposure.Init(96, 54, blurred);
    PngEncoder encoder;
    ASSERT_TRUE(encoder.Init(96, 54));
    char path[] = "/tmp/zf-render-frame-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);

    // Frames over the whole music, every section included. The software
    // rasteriser compiles a shader variant (through its compiler, the C and
    // C++ runtimes and its disk cache) the first time it meets a combination
    // of GL state, and one of them only on the second visit; that is the
    // driver warming up, so the frames are drawn twice before they are
    // counted.
    const double length = production.MusicLength();
    ASSERT_GT(length, 171.0);
    long failedWrites = 0;
    for (int pass = 0; pass < 3; ++pass) {
        if (pass == 2)
            StartCountingAllocations();
        for (int i = 0; i < kFrames; ++i) {
            double t = length * i / kFrames;
            failedWrites += !WriteFramePng(production, exposure, encoder, t, path);
        }
    }
    AllocationCount counted = StopCountingAllocations();
    unlink(path);

    EXPECT_EQ(failedWrites, 0);
    EXPECT_EQ(counted.newCalls, 0) << "operator new inside the frame loop";
    if (CountsMalloc()) {
        EXPECT_EQ(counted.mallocCalls, 0) << "malloc inside the frame loop";
    }
    // What the driver allocates per draw call is outside our reach; it is
    // recorded so that a change in it shows.
    RecordProperty("driverNewCalls", std::to_string(counted.driverNewCalls));
    RecordProperty("driverMallocCalls", std::to_string(counted.driverMallocCalls));
    std::printf("driver allocations in %d frames: %ld new, %ld malloc\n", kFrames,
                counted.driverNewCalls, counted.driverMallocCalls);
}

// The video's frames: drawn, read back through the ring and written by the
// writer thread (into /dev/null here). Counted on the drawing thread; the
// writer thread only calls writev on memory it is handed.
TEST(FrameLoop, VideoFramesAllocateNothing) {
    OfflineProduction& production = StartedProduction();
    const int sink = open("/dev/null", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(sink, 0);
    VideoCapture capture;
    ASSERT_TRUE(capture.Start(sink, 96, 54));
    const double length = production.MusicLength();
    bool added = true;
    for (int pass = 0; pass < 3; ++pass) {
        if (pass == 2)
            StartCountingAllocations();
        for (int i = 0; i < kFrames; ++i)
            added = capture.Add(production, length * i / kFrames) && added;
    }
    AllocationCount counted = StopCountingAllocations();
    EXPECT_TRUE(capture.Finish());
    close(sink);

    EXPECT_TRUE(added);
    EXPECT_EQ(counted.newCalls, 0) << "operator new inside the video's frame loop";
    if (CountsMalloc()) {
        EXPECT_EQ(counted.mallocCalls, 0) << "malloc inside the video's frame loop";
    }
}
