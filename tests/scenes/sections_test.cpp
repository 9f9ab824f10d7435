#include "scenes/sections.h"
#include "scenes/timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The name of the section that draws the frame at t; "" when none does.
std::string DrawnBy(double t) {
    size_t count = 0;
    const Section* sections = Sections(count);
    const int index = SectionAt(t);
    return index < 0 ? "" : sections[index].name;
}

TEST(Sections, EachStretchOfMusicHasItsScene) {
    EXPECT_EQ(DrawnBy(0.0), "opening");
    EXPECT_EQ(DrawnBy(10.0), "opening");
    EXPECT_EQ(DrawnBy(50.0), "title");
    EXPECT_EQ(DrawnBy(70.0), "wave grid");
    EXPECT_EQ(DrawnBy(100.0), "greetings");
    EXPECT_EQ(DrawnBy(160.0), "closing");
    EXPECT_EQ(DrawnBy(200.0), "credits");
    EXPECT_EQ(DrawnBy(1e9), "credits");
}

TEST(Sections, BoundaryBelongsToTheEarlierSection) {
    struct Boundary {
        double t;
        const char* earlier;
        const char* later;
    };
    const Boundary boundaries[] = {
        {42.6, "opening", "title"},       {64.6, "title", "wave grid"},
        {85.6, "wave grid", "greetings"}, {149.0, "greetings", "closing"},
        {171.0, "closing", "credits"},
    };
    for (const Boundary& b : boundaries) {
        EXPECT_EQ(DrawnBy(std::nextafter(b.t, -kInf)), b.earlier) << b.t;
        EXPECT_EQ(DrawnBy(b.t), b.earlier) << b.t;
        EXPECT_EQ(DrawnBy(std::nextafter(b.t, kInf)), b.later) << b.t;
    }
}

TEST(Sections, NegativeOrNanTimeDrawsNothing) {
    EXPECT_EQ(DrawnBy(-0.5), "");
    EXPECT_EQ(DrawnBy(std::nextafter(0.0, -kInf)), "");
    EXPECT_EQ(DrawnBy(-kInf), "");
    EXPECT_EQ(DrawnBy(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(DrawnBy(-0.0), "opening");
}

// Scenes see their own time: each section's origin is its start, except the
// closing's, which replays the opening on music time.
TEST(Sections, ScenesCountFromTheirOrigin) {
    size_t count = 0;
    const Section* sections = Sections(count);
    ASSERT_EQ(count, 6u);
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(sections[i].name);
        EXPECT_EQ(sections[i].origin, i == 4 ? 0.0 : sections[i].start);
        EXPECT_GT(sections[i].scene().count, 0u);
    }
    EXPECT_EQ(sections[1].start, kTitleStart);
    EXPECT_EQ(sections[5].start, kCreditsStart);
}

} // namespace
