// Oscillators, filter and envelope: the properties the instruments rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp.h"
#include "timeline.h"

namespace {

double Rms(const std::vector<float>& x, size_t from) {
    double sum = 0.0;
    for (size_t i = from; i < x.size(); ++i)
        sum += x[i] * x[i];
    return std::sqrt(sum / (x.size() - from));
}

std::vector<float> Lowpassed(double toneHz, double cutoffHz) {
    Svf filter;
    filter.Tune(cutoffHz, 0.0);
    std::vector<float> out(kSampleRate / 4);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] =
            filter.Process(static_cast<float>(std::sin(2.0 * kPi * toneHz * i / kSampleRate))).low;
    return out;
}

TEST(Svf, LowpassKeepsLowTonesAndRemovesHighOnes) {
    double pass = Rms(Lowpassed(100.0, 2000.0), 2000);
    double stop = Rms(Lowpassed(8000.0, 500.0), 2000);
    EXPECT_NEAR(pass, std::sqrt(0.5), 0.05);
    EXPECT_LT(stop, 0.01);
}

TEST(Svf, StaysStableAtTheHighestCutoff) {
    Svf filter;
    filter.Tune(30000.0, 0.95);
    Noise noise(7);
    float biggest = 0.0f;
    for (int i = 0; i < kSampleRate; ++i)
        biggest = std::max(biggest, std::fabs(filter.Process(noise.Next()).low));
    EXPECT_LT(biggest, 20.0f);
}

TEST(Saw, RampsOverTheFullRangeWithNoOffset) {
    Saw saw;
    double sum = 0.0;
    float lo = 1.0f, hi = -1.0f;
    const int n = kSampleRate;
    for (int i = 0; i < n; ++i) {
        float v = saw.Next(441.0);
        sum += v;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_NEAR(sum / n, 0.0, 0.01);
    EXPECT_LT(lo, -0.9f);
    EXPECT_GT(hi, 0.9f);
    EXPECT_GE(lo, -1.1f);
    EXPECT_LE(hi, 1.1f);
}

TEST(Pulse, DutyCycleSetsTheShareOfTimeHigh) {
    Pulse pulse;
    int high = 0;
    const int n = kSampleRate;
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        float v = pulse.Next(100.0, 0.25);
        sum += v;
        if (v > 0.0f)
            ++high;
    }
    EXPECT_NEAR(static_cast<double>(high) / n, 0.25, 0.02);
    EXPECT_NEAR(sum / n, 0.0, 0.01);
}

TEST(Noise, SameSeedSameSequenceWithinRange) {
    Noise a(99), b(99), c(100);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        float x = a.Next();
        EXPECT_EQ(x, b.Next());
        EXPECT_GE(x, -1.0f);
        EXPECT_LT(x, 1.0f);
        if (x != c.Next())
            differs = true;
    }
    EXPECT_TRUE(differs);
}

TEST(Adsr, RisesDecaysHoldsAndReleasesToSilence) {
    const Adsr env{0.1, 0.05, 0.5, 0.2};
    EXPECT_EQ(env.At(-0.01, 1.0), 0.0f);
    EXPECT_NEAR(env.At(0.05, 1.0), 0.5f, 1e-6);
    EXPECT_NEAR(env.At(0.1, 1.0), 1.0f, 1e-6);
    EXPECT_NEAR(env.At(0.9, 1.0), 0.5f, 1e-3);
    EXPECT_NEAR(env.At(1.1, 1.0), 0.25f, 1e-3);
    EXPECT_NEAR(env.At(1.2, 1.0), 0.0f, 1e-9);
    EXPECT_EQ(env.At(1.3, 1.0), 0.0f);
    // Let go during the attack: the release starts from where the rise got to.
    EXPECT_NEAR(env.At(0.05, 0.05), 0.5f, 1e-6);
    EXPECT_NEAR(env.At(0.15, 0.05), 0.25f, 1e-6);
}

TEST(Pitch, MidiNumbersMapToConcertPitch) {
    EXPECT_DOUBLE_EQ(MidiToHz(69), 440.0);
    EXPECT_NEAR(MidiToHz(81), 880.0, 1e-9);
    EXPECT_NEAR(MidiToHz(60), 261.6256, 1e-3);
}

} // namespace
