#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

TEST(FrameTimes, StretchIsHalfOpen) {
    EXPECT_EQ(FrameCount(10.0, 10.5, 10), 5);
    EXPECT_EQ(FrameCount(0.0, 1.0, 3), 3) << "1/3 steps: 0, 1/3, 2/3; 1.0 is left out";
    EXPECT_EQ(FrameCount(0.0, 1.01, 3), 4);
    EXPECT_EQ(FrameCount(42.6, 42.6 + 1e-9, 30), 1);
    EXPECT_EQ(FrameCount(5.0, 5.0, 30), 0);
    EXPECT_EQ(FrameCount(6.0, 5.0, 30), 0);
    for (double to : {0.1, 0.7, 13.3, 42.6, 189.9}) {
        for (int fps : {1, 24, 25, 30, 60}) {
            long n = FrameCount(0.0, to, fps);
            EXPECT_LT(FrameTime(0.0, fps, n - 1), to) << to << " " << fps;
            EXPECT_GE(FrameTime(0.0, fps, n), to) << to << " " << fps;
        }
    }
}

TEST(FrameTimes, WholeSecondsLandExactlyEvenLate) {
    // Adding 1/30 frame after frame drifts off the second; each frame's time
    // must not, however far into the music.
    for (long second = 0; second <= 200; ++second) {
        ASSERT_EQ(FrameTime(0.0, 30, second * 30), static_cast<double>(second));
        ASSERT_EQ(FrameTime(85.6, 25, second * 25), 85.6 + second);
    }
}

TEST(FrameTimes, SegmentsHoldEveryFrameOnceInEqualRuns) {
    for (int64_t total : {0, 1, 7, 180, 181, 5775, 11550}) {
        for (int n : {1, 2, 3, 4, 7, 13}) {
            int64_t next = 0;
            int64_t shortest = total;
            int64_t longest = 0;
            for (int k = 1; k <= n; ++k) {
                FrameRange r = SegmentFrames(total, k, n);
                ASSERT_EQ(r.begin, next) << "no gap or overlap before " << k << "/" << n;
                ASSERT_LE(r.begin, r.end);
                shortest = std::min(shortest, r.end - r.begin);
                longest = std::max(longest, r.end - r.begin);
                next = r.end;
            }
            EXPECT_EQ(next, total) << "all " << total << " frames in " << n << " runs";
            EXPECT_LE(longest - shortest, 1) << total << " in " << n;
        }
    }
    EXPECT_EQ(SegmentFrames(180, 3, 4).begin, 90);
    EXPECT_EQ(SegmentFrames(180, 3, 4).end, 135);
    // Far past what an int holds as a product of frames and segment number.
    EXPECT_EQ(SegmentFrames(int64_t{3000000000}, 99999, 100000).end, int64_t{2999970000});
}

TEST(FrameTimes, FileNamesSortByTime) {
    char a[64], b[64], c[64];
    StillName(5.0, a, sizeof a);
    StillName(42.6, b, sizeof b);
    StillName(171.0, c, sizeof c);
    EXPECT_STREQ(a, "005.000.png");
    EXPECT_STREQ(b, "042.600.png");
    EXPECT_STREQ(c, "171.000.png");
    SequenceName(0, a, sizeof a);
    SequenceName(5699, b, sizeof b);
    EXPECT_STREQ(a, "000000.png");
    EXPECT_STREQ(b, "005699.png");
}

TEST(ProgressBar, ShowsFramesRateAndTimeLeft) {
    char line[160];
    FormatProgress(line, sizeof line, 300, 1200, 10.0);
    std::string text = line;
    EXPECT_NE(text.find("300/1200 frames"), std::string::npos) << text;
    EXPECT_NE(text.find(" 30.0 fps"), std::string::npos) << text;
    EXPECT_NE(text.find("0:30 left"), std::string::npos) << text;
    EXPECT_NE(text.find("[#######......"), std::string::npos) << "a quarter filled: " << text;

    FormatProgress(line, sizeof line, 0, 5700, 0.0);
    EXPECT_NE(std::string(line).find("--:-- left"), std::string::npos) << line;
    FormatProgress(line, sizeof line, 5700, 5700, 200.0);
    EXPECT_NE(std::string(line).find("0:00 left"), std::string::npos) << line;
}
