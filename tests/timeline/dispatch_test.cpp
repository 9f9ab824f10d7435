#include "app/timeline.h"
#include "tests/timeline/recording_renderers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The one renderer that drew the frame at t, which it must have received
// unchanged; "" when nothing drew.
std::string DrawnBy(double t) {
    RenderFrame(t);
    std::vector<RendererCall> calls = TakeRendererCalls();
    if (calls.empty())
        return "";
    EXPECT_EQ(calls.size(), 1u) << "t " << t;
    EXPECT_EQ(calls[0].t, t) << calls[0].renderer;
    return calls[0].renderer;
}

TEST(RenderFrame, EachSectionDrawsWithItsRendererAtAbsoluteTime) {
    EXPECT_EQ(DrawnBy(0.0), "RenderLineFieldScene");
    EXPECT_EQ(DrawnBy(10.0), "RenderLineFieldScene");
    EXPECT_EQ(DrawnBy(50.0), "RenderAnimatedTitleScene");
    EXPECT_EQ(DrawnBy(70.0), "RenderWaveGridScene");
    EXPECT_EQ(DrawnBy(100.0), "RenderGreetingsScene");
    EXPECT_EQ(DrawnBy(160.0), "RenderClosing");
    EXPECT_EQ(DrawnBy(200.0), "RenderCredits");
    EXPECT_EQ(DrawnBy(1e9), "RenderCredits");
}

TEST(RenderFrame, BoundaryBelongsToTheEarlierSection) {
    struct Boundary {
        double t;
        const char* earlier;
        const char* later;
    };
    const Boundary boundaries[] = {
        {kTitleStart, "RenderLineFieldScene", "RenderAnimatedTitleScene"},
        {kGridStart, "RenderAnimatedTitleScene", "RenderWaveGridScene"},
        {kGreetingsStart, "RenderWaveGridScene", "RenderGreetingsScene"},
        {kClosingStart, "RenderGreetingsScene", "RenderClosing"},
        {kCreditsStart, "RenderClosing", "RenderCredits"},
    };
    for (const Boundary& b : boundaries) {
        EXPECT_EQ(DrawnBy(std::nextafter(b.t, -kInf)), b.earlier) << b.t;
        EXPECT_EQ(DrawnBy(b.t), b.earlier) << b.t;
        EXPECT_EQ(DrawnBy(std::nextafter(b.t, kInf)), b.later) << b.t;
    }
    EXPECT_EQ(kTitleStart, 42.6);
    EXPECT_EQ(kGridStart, 64.6);
    EXPECT_EQ(kGreetingsStart, 85.6);
    EXPECT_EQ(kClosingStart, 149.0);
    EXPECT_EQ(kCreditsStart, 171.0);
}

TEST(RenderFrame, NegativeOrNanTimeDrawsNothing) {
    EXPECT_EQ(DrawnBy(-0.5), "");
    EXPECT_EQ(DrawnBy(std::nextafter(0.0, -kInf)), "");
    EXPECT_EQ(DrawnBy(-kInf), "");
    EXPECT_EQ(DrawnBy(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(DrawnBy(-0.0), "RenderLineFieldScene");
}

} // namespace
