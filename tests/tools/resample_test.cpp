// Images stored at power-of-two sides: the sides chosen, and a resampling that
// keeps what the picture shows where it shows it.
#include <gtest/gtest.h>

#include "resample.h"

namespace {

float At(const Image& img, int x, int y, int channel) {
    return img.rgba[(static_cast<size_t>(y) * img.width + x) * 4 + channel];
}

// Left half opaque white, right half see-through.
Image HalfWhite(int width, int height) {
    Image img(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            for (int c = 0; c < 4; ++c)
                img.rgba[(static_cast<size_t>(y) * width + x) * 4 + c] = 1.0f;
    return img;
}

TEST(Resample, SidesGoToTheNearestPowerOfTwo) {
    EXPECT_EQ(NearestPowerOfTwo(576), 512);
    EXPECT_EQ(NearestPowerOfTwo(896), 1024);
    EXPECT_EQ(NearestPowerOfTwo(128), 128);
    EXPECT_EQ(NearestPowerOfTwo(1), 1);
    EXPECT_EQ(NearestPowerOfTwo(3), 4);
    EXPECT_EQ(NearestPowerOfTwo(700), 512);
    EXPECT_EQ(NearestPowerOfTwo(760), 1024);
}

TEST(Resample, ShrinkingAndEnlargingKeepTheEdgeAndTheLevels) {
    for (int width : {1024, 896}) {
        SCOPED_TRACE(width);
        const Image source = HalfWhite(width, 576);
        const Image stored = ForTextureLoader(source);
        ASSERT_EQ(stored.width, 1024);
        ASSERT_EQ(stored.height, 512);
        for (int y : {0, 255, 511}) {
            EXPECT_FLOAT_EQ(At(stored, 0, y, 3), 1.0f);
            EXPECT_FLOAT_EQ(At(stored, 500, y, 0), 1.0f);
            EXPECT_FLOAT_EQ(At(stored, 524, y, 3), 0.0f);
            EXPECT_FLOAT_EQ(At(stored, 1023, y, 0), 0.0f);
            // The edge stays in the middle: the two pixels beside it share it.
            EXPECT_NEAR(At(stored, 511, y, 3) + At(stored, 512, y, 3), 1.0f, 0.02f);
        }
    }
}

TEST(Resample, PowerOfTwoImagesAreStoredAsTheyAre) {
    const Image source = HalfWhite(256, 256);
    const Image stored = ForTextureLoader(source);
    EXPECT_EQ(stored.width, 256);
    EXPECT_TRUE(stored.rgba == source.rgba);
}

} // namespace
