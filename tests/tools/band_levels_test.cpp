// The band levels must read the same numbers the production's spectrum gives.
#include <gtest/gtest.h>

#include <cmath>

#include "band_levels.h"

namespace {

constexpr int kRate = 44100;

std::vector<float> Tone(double hz, float amplitude, size_t frames) {
    std::vector<float> x(frames);
    for (size_t i = 0; i < frames; ++i)
        x[i] = amplitude * static_cast<float>(std::sin(2.0 * M_PI * hz * i / kRate));
    return x;
}

TEST(Spectrum, BinCentredSineReadsHalfItsAmplitude) {
    // Bin 8 is centred on 8 × 44100 / 256 Hz; the Hann window spreads a tone
    // there into 1/2, 1/4, 1/4 of its amplitude in bins 8, 7 and 9.
    auto x = Tone(8.0 * kRate / kFftFrames, 0.4f, 4096);
    Spectrum s = SpectrumAt(x, 2048);
    EXPECT_NEAR(s[8], 0.2f, 1e-4);
    EXPECT_NEAR(s[7], 0.1f, 1e-4);
    EXPECT_NEAR(s[9], 0.1f, 1e-4);
    for (int k : {0, 3, 5, 11, 40, 127})
        EXPECT_LT(s[k], 1e-4f) << k;
    EXPECT_NEAR(BandMean(s, 4, 13), 0.04f, 1e-4);
    EXPECT_LT(BandMean(s, 0, 2), 1e-4f);
}

TEST(Spectrum, ConstantSignalLandsInTheBassBins) {
    std::vector<float> x(1024, 0.6f);
    Spectrum s = SpectrumAt(x, 512);
    EXPECT_NEAR(s[0], 0.6f, 1e-5);
    EXPECT_NEAR(s[1], 0.3f, 1e-5);
    EXPECT_NEAR(BandMean(s, 0, 2), 0.3f, 1e-5);
}

TEST(Spectrum, UsesOnlyThe256FramesBeforeThePosition) {
    std::vector<float> x(2048, 0.0f);
    for (size_t i = 1024; i < 2048; ++i)
        x[i] = 1.0f;
    EXPECT_LT(SpectrumAt(x, 1024)[0], 1e-6f);
    EXPECT_GT(SpectrumAt(x, 1024 + 256)[0], 0.99f);
    // Reading before the start or past the end counts the missing frames as silence.
    EXPECT_LT(SpectrumAt(x, 0)[0], 1e-6f);
    EXPECT_LT(SpectrumAt(x, 2048 + 256)[0], 1e-6f);
}

TEST(MonoMix, AveragesTheChannels) {
    std::vector<float> stereo = {1.0f, 0.0f, 0.5f, -0.5f, -1.0f, -0.6f};
    std::vector<float> mono = MonoMix(stereo, 2);
    ASSERT_EQ(mono.size(), 3u);
    EXPECT_FLOAT_EQ(mono[0], 0.5f);
    EXPECT_FLOAT_EQ(mono[1], 0.0f);
    EXPECT_FLOAT_EQ(mono[2], -0.8f);
}

TEST(Summarise, PercentilesOfReadings) {
    std::vector<float> r;
    for (int i = 100; i >= 0; --i)
        r.push_back(i * 0.01f);
    BandSummary s = Summarise(r);
    EXPECT_FLOAT_EQ(s.p10, 0.1f);
    EXPECT_FLOAT_EQ(s.median, 0.5f);
    EXPECT_FLOAT_EQ(s.p90, 0.9f);
    EXPECT_FLOAT_EQ(s.max, 1.0f);
    std::vector<float> none;
    EXPECT_EQ(Summarise(none).max, 0.0f);
}

TEST(MeasureSpan, SeparatesTheBandsAndFindsTheBeat) {
    // A mid tone that sounds only in the first quarter of each half-second beat.
    const double beat = 0.5;
    std::vector<float> x = Tone(8.0 * kRate / kFftFrames, 0.4f, kRate * 4);
    for (size_t i = 0; i < x.size(); ++i)
        if (std::fmod(static_cast<double>(i) / kRate, beat) >= beat / 4)
            x[i] = 0.0f;
    SectionLevels l = MeasureSpan(x, kRate, "test", 0.0, 4.0, 1.0 / 60.0, beat);
    EXPECT_EQ(l.name, "test");
    EXPECT_NEAR(l.mid.max, 0.04f, 1e-3);
    EXPECT_NEAR(l.midBeatPeak, 0.04f, 1e-3);
    EXPECT_LT(l.mid.p10, 1e-4f);
    EXPECT_LT(l.low.max, 0.01f);
    EXPECT_GT(l.midInRange, 0.15f);
    EXPECT_LT(l.midInRange, 0.5f);
}

} // namespace
