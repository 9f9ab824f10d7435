#include "app/startup.h"

#include <gtest/gtest.h>

namespace {

struct ViewportCase {
    int windowWidth, windowHeight;
    Viewport expected;
};

void ExpectViewport(const ViewportCase& c) {
    SCOPED_TRACE(testing::Message() << c.windowWidth << "x" << c.windowHeight);
    const Viewport v = ComputeViewport(c.windowWidth, c.windowHeight);
    EXPECT_EQ(v.x, c.expected.x);
    EXPECT_EQ(v.y, c.expected.y);
    EXPECT_EQ(v.width, c.expected.width);
    EXPECT_EQ(v.height, c.expected.height);
}

} // namespace

TEST(Viewport, FillsSixteenByNineWindows) {
    ExpectViewport({1920, 1080, {0, 0, 1920, 1080}});
    ExpectViewport({1280, 720, {0, 0, 1280, 720}});
}

TEST(Viewport, LetterboxesTallerWindowsAndCentresVertically) {
    ExpectViewport({640, 480, {0, 60, 640, 360}});
    ExpectViewport({1280, 1024, {0, 152, 1280, 720}});
}

TEST(Viewport, PillarboxesWiderWindowsAndCentresHorizontally) {
    ExpectViewport({2560, 1080, {320, 0, 1920, 1080}});
}

// 1366 / 16 and 768 / 9 both truncate, so the area is a little smaller than
// the window on both axes and sits one or three pixels in.
TEST(Viewport, TruncatingDivisionLeavesAMarginOnBothAxes) {
    ExpectViewport({1366, 768, {3, 1, 1360, 765}});
}
