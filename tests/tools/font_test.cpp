// Text layout: the images centre and fit their words by these measurements.
#include <gtest/gtest.h>

#include <algorithm>

#include "font.h"

namespace {

const char* kFontDir = "/usr/share/fonts/truetype/dejavu";

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

Ink InkOf(const Mask& m) {
    Ink ink;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (m.At(x, y) > 0.0f) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x + 1);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
    return ink;
}

class FontTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(font.Load(std::string(kFontDir) + "/DejaVuSans.ttf")); }
    Font font;
};

TEST_F(FontTest, CentredTextLandsOnTheRequestedCentre) {
    Mask m(400, 200);
    InkBox box = font.DrawCentred(m, "zentrafel", 48.0f, 200.0f, 100.0f);
    Ink ink = InkOf(m);
    ASSERT_GE(ink.right, 0);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 200.0, 1.5);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 100.0, 1.5);
    // The reported box is the ink that was drawn.
    EXPECT_NEAR(box.left, ink.left, 1.0);
    EXPECT_NEAR(box.right, ink.right, 1.0);
}

TEST_F(FontTest, TrackingWidensTheLineByOneStepPerGap) {
    InkBox plain = font.Measure("abcd", 40.0f);
    InkBox spaced = font.Measure("abcd", 40.0f, 10.0f);
    EXPECT_NEAR(spaced.Width() - plain.Width(), 30.0f, 1.5f);
    EXPECT_FLOAT_EQ(spaced.Height(), plain.Height());
}

TEST_F(FontTest, FittedTextFillsButDoesNotOverflowItsBox) {
    float size = FitPixelHeight(font, "greetings to", 500.0f, 60.0f);
    InkBox ink = font.Measure("greetings to", size);
    EXPECT_LE(ink.Width(), 500.0f);
    EXPECT_LE(ink.Height(), 60.0f);
    EXPECT_TRUE(ink.Width() > 480.0f || ink.Height() > 57.0f);
}

TEST(Font, MissingFilesAreReported) {
    Font font;
    EXPECT_FALSE(font.Load("/nonexistent/font.ttf"));
    FontSet fonts;
    EXPECT_FALSE(LoadFontSet(fonts, "/nonexistent"));
    EXPECT_TRUE(LoadFontSet(fonts, kFontDir));
}

TEST_F(FontTest, BlankTextHasNoInk) {
    InkBox box = font.Measure("   ", 40.0f);
    EXPECT_EQ(box.Width(), 0.0f);
    Mask m(50, 50);
    font.DrawCentred(m, "   ", 40.0f, 25.0f, 25.0f);
    EXPECT_EQ(InkOf(m).right, -1);
}

} // namespace
