// The video's capture: frames drawn, read back through the ring of pixel
// buffers and written by the writer thread arrive as the plain read-back
// gives them, top row first and in order, and a reader that goes away stops
// the capture instead of hanging it.
#include "platform/piped_process.h"
#include "tools/render/frame_capture.h"
#include "tools/render/offline_production.h"
#include "tools/render/video_capture.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <string>
#include <thread>

namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 54;

// Only one production per process (the audio library starts once per
// process), shared by the tests.
OfflineProduction& StartedProduction() {
    static OfflineProduction production;
    static bool started = production.Start(kWidth, kHeight);
    EXPECT_TRUE(started);
    return production;
}

// A pipe whose read end a thread drains into `bytes` until the write end
// closes.
struct DrainedPipe {
    int ends[2] = {-1, -1};
    std::string bytes;
    std::thread reader;

    DrainedPipe() {
        EXPECT_EQ(pipe(ends), 0);
        reader = std::thread([this] {
            char buffer[65536];
            ssize_t n;
            while ((n = read(ends[0], buffer, sizeof buffer)) > 0)
                bytes.append(buffer, static_cast<size_t>(n));
        });
    }
    int WriteEnd() const { return ends[1]; }
    // Closes the write end and returns everything read.
    const std::string& Drain() {
        close(ends[1]);
        reader.join();
        close(ends[0]);
        return bytes;
    }
};

} // namespace

TEST(WriteRowsReversed, WritesTheLastRowFirstAcrossManyCalls) {
    // More rows than one writev takes, more bytes than a pipe holds.
    constexpr int kRows = 1000;
    constexpr size_t kRowBytes = 301;
    std::string bottomUp;
    for (int row = 0; row < kRows; ++row)
        bottomUp += std::string(kRowBytes - 4, char('a' + row % 26)) + std::to_string(1000 + row);
    DrainedPipe pipe;
    ASSERT_TRUE(WriteRowsReversed(pipe.WriteEnd(),
                                  reinterpret_cast<const unsigned char*>(bottomUp.data()),
                                  kRowBytes, kRows));
    const std::string& written = pipe.Drain();
    ASSERT_EQ(written.size(), bottomUp.size());
    for (int row = 0; row < kRows; ++row)
        ASSERT_EQ(written.compare(row * kRowBytes, kRowBytes, bottomUp,
                                  (kRows - 1 - row) * kRowBytes, kRowBytes),
                  0)
            << "row " << row;
}

TEST(VideoCapture, FramesAreThePlainReadBacksInOrder) {
    OfflineProduction& production = StartedProduction();
    // Each section, both sides of a cut, and more frames than the ring has
    // slots, so every slot is reused.
    const double times[] = {5.0, 42.55, 42.65, 70.0, 96.6, 120.0, 160.0, 180.0};
    DrainedPipe pipe;
    VideoCapture capture;
    ASSERT_TRUE(capture.Start(pipe.WriteEnd(), kWidth, kHeight));
    for (double t : times)
        ASSERT_TRUE(capture.Add(production, t)) << t;
    ASSERT_TRUE(capture.Finish());
    const std::string& video = pipe.Drain();

    FrameCapture plain;
    plain.Init(kWidth, kHeight);
    std::string expected;
    for (double t : times) {
        production.DrawFrameAt(t);
        expected.append(reinterpret_cast<const char*>(plain.Read()), plain.FrameBytes());
    }
    ASSERT_EQ(video.size(), expected.size());
    for (size_t frame = 0; frame < std::size(times); ++frame)
        EXPECT_EQ(video.compare(frame * plain.FrameBytes(), plain.FrameBytes(), expected,
                                frame * plain.FrameBytes(), plain.FrameBytes()),
                  0)
            << "frame at " << times[frame];
    const CaptureTimes& spent = capture.Times();
    EXPECT_GT(spent.drawing, 0.0);
    EXPECT_GT(spent.writing, 0.0);
}

TEST(VideoCapture, AReaderThatLeavesStopsTheCapture) {
    std::signal(SIGPIPE, SIG_IGN);
    OfflineProduction& production = StartedProduction();
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    VideoCapture capture;
    ASSERT_TRUE(capture.Start(ends[1], kWidth, kHeight));
    int added = 0;
    while (added < 10 && capture.Add(production, 20.0 + added))
        ++added;
    EXPECT_LE(added, 5) << "the ring fills and the failed write is seen";
    EXPECT_FALSE(capture.Finish());
    close(ends[1]);
}
