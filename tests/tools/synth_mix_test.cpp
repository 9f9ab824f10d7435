// The master stage and the side-chain: levels the mix depends on.
#include <gtest/gtest.h>

#include <cmath>

#include "dsp.h"
#include "instruments.h"
#include "mixer.h"
#include "timeline.h"

namespace {

StereoBuffer Sine(double hz, float amplitude, double seconds) {
    StereoBuffer b(static_cast<size_t>(seconds * kSampleRate));
    for (size_t i = 0; i < b.Frames(); ++i) {
        float v = amplitude * static_cast<float>(std::sin(2.0 * kPi * hz * i / kSampleRate));
        b.left[i] = v;
        b.right[i] = -v;
    }
    return b;
}

TEST(Limiter, LeavesQuietMaterialUntouched) {
    StereoBuffer b = Sine(220.0, 0.5f, 0.5);
    StereoBuffer original = b;
    Limit(b, 0.8f, 0.003, 0.08);
    for (size_t i = 0; i < b.Frames(); ++i)
        ASSERT_FLOAT_EQ(b.left[i], original.left[i]);
}

TEST(Limiter, NeverPassesTheCeilingAndRecoversAfterAPeak) {
    StereoBuffer b = Sine(220.0, 0.3f, 1.0);
    // A burst three times too loud in the middle.
    for (size_t i = kSampleRate / 2; i < kSampleRate / 2 + 2000; ++i)
        b.right[i] *= 8.0f;
    Limit(b, 0.8f, 0.003, 0.05);
    float peak = 0.0f;
    for (size_t i = 0; i < b.Frames(); ++i)
        peak = std::max({peak, std::fabs(b.left[i]), std::fabs(b.right[i])});
    EXPECT_LE(peak, 0.8f + 1e-6f);
    EXPECT_GT(peak, 0.75f);
    // Half a second after the burst the gain is back to unity.
    size_t late = b.Frames() - 200;
    EXPECT_NEAR(std::fabs(b.left[late]),
                std::fabs(0.3f * std::sin(2.0 * kPi * 220.0 * late / kSampleRate)), 1e-3);
}

TEST(Ducking, DipsAtEachKickAndRecovers) {
    Score score = {{Voice::Kick, 0.5, 0.1, 0, 1.0f, 0}, {Voice::Snare, 0.7, 0.1, 0, 1.0f, 0}};
    std::vector<float> g = KickDucking(score, kSampleRate, 0.5f, 0.05);
    EXPECT_EQ(g[kSampleRate / 4], 1.0f);
    size_t onset = kSampleRate / 2;
    EXPECT_NEAR(g[onset + static_cast<size_t>(0.004 * kSampleRate)], 0.5f, 0.01f);
    EXPECT_GT(g[onset + kSampleRate / 20 * 4], 0.97f); // four release times later
    // The snare does not duck anything.
    EXPECT_GT(g[static_cast<size_t>(0.75 * kSampleRate)], g[onset + 1000]);
}

TEST(Instruments, EveryVoiceSoundsAndStaysInRange) {
    for (Voice v : {Voice::Kick, Voice::Snare, Voice::Hat, Voice::OpenHat, Voice::Crash,
                    Voice::Bass, Voice::Lead, Voice::Arp, Voice::Pad, Voice::Riser}) {
        Samples s = Synthesise({v, 1.0, 0.5, 57.0f, 1.0f, 0.0f});
        ASSERT_FALSE(s.empty());
        float peak = 0.0f;
        for (float x : s)
            peak = std::max(peak, std::fabs(x));
        EXPECT_GT(peak, 0.01f) << static_cast<int>(v);
        EXPECT_LT(peak, 2.0f) << static_cast<int>(v);
        EXPECT_LT(std::fabs(s.back()), 0.02f)
            << "tail ends near silence, voice " << static_cast<int>(v);
    }
}

TEST(Instruments, VelocityScalesTheOutput) {
    Note loud{Voice::Arp, 2.0, 0.2, 81.0f, 1.0f, 0.0f};
    Note soft = loud;
    soft.velocity = 0.25f;
    Samples a = Synthesise(loud), b = Synthesise(soft);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); i += 97)
        EXPECT_NEAR(b[i], a[i] * 0.25f, 1e-6f);
}

} // namespace
