#include "scenes/music_levels.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

TEST(SpectrumLevels, EachBandReadsOnlyItsOwnBins) {
    float spectrum[256];
    std::fill(spectrum, spectrum + 256, 0.0f);
    EXPECT_EQ(LowLevel(spectrum), 0.0f);
    EXPECT_EQ(MidLevel(spectrum), 1.0f);
    spectrum[0] = 0.3f;
    spectrum[1] = 0.6f;
    spectrum[2] = 0.9f;
    spectrum[3] = spectrum[14] = 5.0f;
    EXPECT_NEAR(LowLevel(spectrum), 0.6f, 1e-6f);
    EXPECT_EQ(MidLevel(spectrum), 1.0f);
    spectrum[4] = 0.25f;
    spectrum[13] = 0.5f;
    EXPECT_EQ(MidLevel(spectrum), 1.75f);

    // Nine tiny bins after a loud one vanish one by one in single precision;
    // in a wider type, or summed from the top, they would add up.
    spectrum[4] = 1.0f;
    std::fill(spectrum + 5, spectrum + 14, 3e-8f);
    EXPECT_EQ(MidLevel(spectrum), 2.0f);
}

TEST(SpectrumLevels, StrengthTruncatesTowardZeroAndGoesNegative) {
    EXPECT_EQ(PostStrength(1.0f), 450);
    EXPECT_EQ(PostStrength(1.25f), 437);
    EXPECT_EQ(PostStrength(10.0f), 0);
    EXPECT_EQ(PostStrength(10.25f), -12);
    // Beyond what an int holds the value is pinned rather than undefined.
    EXPECT_EQ(PostStrength(1e30f), INT_MIN);
    EXPECT_EQ(PostStrength(-1e30f), INT_MAX);
    EXPECT_EQ(PostStrength(std::nanf("")), 0);
}
