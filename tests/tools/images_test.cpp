// The finished images: shapes, backgrounds and alpha as their quads need them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "images.h"

namespace {

const char* kFontDir = "/usr/share/fonts/truetype/dejavu";

float Alpha(const Image& img, int x, int y) {
    return img.rgba[(static_cast<size_t>(y) * img.width + x) * 4 + 3];
}
float Red(const Image& img, int x, int y) {
    return img.rgba[(static_cast<size_t>(y) * img.width + x) * 4];
}
float Brightest(const Image& img, int x, int y) {
    const float* p = &img.rgba[(static_cast<size_t>(y) * img.width + x) * 4];
    return std::max({p[0], p[1], p[2]});
}
// Below half a step of the 8-bit file: stored as exactly 0.
constexpr float kZero = 0.5f / 255.0f;

class ImagesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        fonts = new FontSet;
        ASSERT_TRUE(LoadFontSet(*fonts, kFontDir));
    }
    static void TearDownTestSuite() { delete fonts; }
    static FontSet* fonts;
};
FontSet* ImagesTest::fonts = nullptr;

TEST_F(ImagesTest, TitleIsSeeThroughAroundOpaqueLetters) {
    Image title = MakeTitleImage(*fonts);
    EXPECT_EQ(title.width * 9, title.height * 16);
    EXPECT_LT(Alpha(title, 0, 0), kZero);
    EXPECT_LT(Alpha(title, title.width - 1, title.height - 1), kZero);
    int opaque = 0;
    for (int x = 0; x < title.width; ++x)
        if (Alpha(title, x, title.height / 2 - 10) > 0.99f)
            ++opaque;
    // Letters cross the middle row over a good part of the width.
    EXPECT_GT(opaque, title.width / 5);
}

TEST_F(ImagesTest, StripsAreOpaqueBlackAroundTheirWord) {
    const Image strips[] = {MakeCaptionImage(*fonts),   MakeGreetingsImage(*fonts),
                            MakeAmbreluneLogo(*fonts),  MakeCorvattisLogo(*fonts),
                            MakeDuskweldLogo(*fonts),   MakeRivenholdLogo(*fonts),
                            MakeSorrelgateLogo(*fonts), MakeTamberlynLogo(*fonts)};
    for (const Image& s : strips) {
        EXPECT_EQ(s.width, kStripWidth);
        EXPECT_EQ(s.height, kStripHeight);
        EXPECT_NEAR(static_cast<double>(s.width) / s.height, 7.0, 0.01);
        float brightest = 0.0f;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) {
                ASSERT_EQ(Alpha(s, x, y), 1.0f);
                brightest = std::max(brightest, Brightest(s, x, y));
            }
        EXPECT_LT(Brightest(s, 0, 0), 0.02f);
        EXPECT_LT(Brightest(s, s.width - 1, s.height - 1), 0.02f);
        EXPECT_GT(brightest, 0.7f);
    }
}

TEST_F(ImagesTest, LogosDifferFromEachOther) {
    const Image logos[] = {MakeAmbreluneLogo(*fonts),  MakeCorvattisLogo(*fonts),
                           MakeDuskweldLogo(*fonts),   MakeRivenholdLogo(*fonts),
                           MakeSorrelgateLogo(*fonts), MakeTamberlynLogo(*fonts)};
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) {
            double diff = 0.0;
            for (size_t i = 0; i < logos[a].rgba.size(); ++i)
                diff += std::fabs(logos[a].rgba[i] - logos[b].rgba[i]);
            // Mean colour difference per channel sample: clearly not the same picture.
            EXPECT_GT(diff / logos[a].rgba.size(), 0.02) << a << " vs " << b;
        }
}

TEST_F(ImagesTest, LoadingAndCreditsAreOpaqueWithLightInTheMiddle) {
    Image loading = MakeLoadingImage(*fonts), credits = MakeCreditsImage(*fonts);
    EXPECT_EQ(loading.width, loading.height);
    EXPECT_EQ(credits.width * 9, credits.height * 16);
    for (const Image* img : {&loading, &credits}) {
        EXPECT_EQ(Alpha(*img, 0, 0), 1.0f);
        EXPECT_LT(Red(*img, 0, 0), 0.01f);
        double lit = 0.0;
        for (size_t i = 0; i < img->rgba.size(); i += 4)
            lit += img->rgba[i] > 0.5f;
        EXPECT_GT(lit, img->rgba.size() / 4 * 0.01) << "some text is drawn";
    }
}

TEST(Sprite, SoftRoundGlowFadingToNothingAtTheEdge) {
    Image sprite = MakeSpriteImage();
    ASSERT_EQ(sprite.width, 64);
    ASSERT_EQ(sprite.height, 64);
    EXPECT_GT(Alpha(sprite, 32, 32), 0.99f);
    for (int i = 0; i < 64; ++i) {
        EXPECT_LT(Alpha(sprite, i, 0), kZero);
        EXPECT_LT(Alpha(sprite, 0, i), kZero);
    }
    // Round: equal at equal distances along the axis and the diagonal.
    EXPECT_NEAR(Alpha(sprite, 32 + 14, 32), Alpha(sprite, 32 + 10, 32 + 10), 0.02f);
    // Straight-alpha white light: brightness tracks alpha.
    EXPECT_NEAR(Red(sprite, 40, 40), Alpha(sprite, 40, 40) * Alpha(sprite, 40, 40), 1e-6f);
}

TEST(SavePng, WritesStraightAlphaReadableByADecoder) {
    Image img(4, 2);
    img.Fill({1.0f, 0.5f, 0.0f}, 0.5f); // premultiplied: stored as half of that
    std::string path = ::testing::TempDir() + "straight.png";
    ASSERT_TRUE(SavePng(img, path));
    int w = 0, h = 0, n = 0;
    unsigned char* px = stbi_load(path.c_str(), &w, &h, &n, 4);
    ASSERT_NE(px, nullptr);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(px[0], 255);
    EXPECT_EQ(px[1], 128);
    EXPECT_EQ(px[2], 0);
    EXPECT_EQ(px[3], 128);
    stbi_image_free(px);
    std::remove(path.c_str());
    EXPECT_FALSE(SavePng(img, "/nonexistent-dir/x.png"));
}

} // namespace
