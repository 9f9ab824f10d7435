// The signal work of the audio library on exact samples: the magnitude
// spectrum and the mixing of a stream into output frames.
#include "bass/bass_mix.h"
#include "bass/bass_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const double kPi = std::acos(-1.0);

// `frames` frames of a sine on every channel, `cycles` periods per 256 frames.
PcmBuffer Sine(int channels, int64_t frames, double cycles, double amplitude) {
    PcmBuffer pcm;
    pcm.channels = channels;
    pcm.rate = 44100;
    pcm.frames = frames;
    for (int64_t i = 0; i < frames; ++i) {
        double value = amplitude * std::sin(2.0 * kPi * cycles * double(i) / 256.0);
        for (int c = 0; c < channels; ++c)
            pcm.samples.push_back(int16_t(std::lround(value * 32767.0)));
    }
    return pcm;
}

std::vector<float> SpectrumAt(const PcmBuffer& pcm, int64_t endFrame) {
    EXPECT_TRUE(PrepareSpectrum());
    std::vector<float> bins(kSpectrumBins, -1.0f);
    ComputeSpectrum(pcm, endFrame, bins.data());
    return bins;
}

TEST(Spectrum, FullScaleSineOnABinReadsAHalfThere) {
    for (int bin : {4, 10, 64, 100}) {
        std::vector<float> bins = SpectrumAt(Sine(2, 1024, bin, 1.0), 1024);
        EXPECT_NEAR(bins[bin], 0.5f, 0.002f) << "bin " << bin;
        // The Hann window leaks a quarter into each neighbour, nothing further.
        EXPECT_NEAR(bins[bin - 1], 0.25f, 0.002f);
        EXPECT_NEAR(bins[bin + 1], 0.25f, 0.002f);
        EXPECT_LT(bins[bin + 3], 0.001f);
    }
}

TEST(Spectrum, ScalesWithAmplitudeAndMixesChannelsToMono) {
    PcmBuffer pcm = Sine(2, 512, 8, 0.5);
    for (int64_t i = 0; i < pcm.frames; ++i)
        pcm.samples[size_t(i) * 2 + 1] = 0; // right channel silent
    EXPECT_NEAR(SpectrumAt(pcm, 512)[8], 0.125f, 0.002f);
}

TEST(Spectrum, ReadsZerosBeforeTheStart) {
    PcmBuffer pcm = Sine(1, 4096, 16, 1.0);
    std::vector<float> atStart = SpectrumAt(pcm, 0);
    for (float value : atStart)
        EXPECT_EQ(value, 0.0f);
    // Half the window holds sound: the peak is lower but present.
    float half = SpectrumAt(pcm, 128)[16];
    EXPECT_GT(half, 0.1f);
    EXPECT_LT(half, 0.4f);
}

TEST(Spectrum, UsesTheFramesEndingAtThePosition) {
    PcmBuffer pcm = Sine(1, 1024, 10, 1.0);
    for (size_t i = 512; i < pcm.samples.size(); ++i)
        pcm.samples[i] = 0; // sound only in the first 512 frames
    EXPECT_NEAR(SpectrumAt(pcm, 512)[10], 0.5f, 0.002f);
    EXPECT_EQ(SpectrumAt(pcm, 768)[10], 0.0f);
}

PcmBuffer Frames(int channels, std::vector<int16_t> samples) {
    PcmBuffer pcm;
    pcm.channels = channels;
    pcm.rate = 44100;
    pcm.frames = int64_t(samples.size()) / channels;
    pcm.samples = samples;
    return pcm;
}

TEST(MixFrames, MapsChannelsToTheOutput) {
    const float s = 1.0f / 32768.0f;
    std::vector<float> out(4, 0.0f);
    MixFrames(Frames(1, {1000, 2000}), 0.0, 1.0, out.data(), 2, 2);
    EXPECT_EQ(out, (std::vector<float>{1000 * s, 1000 * s, 2000 * s, 2000 * s}));
    std::vector<float> stereo(2, 0.0f);
    MixFrames(Frames(2, {1000, -3000}), 0.0, 1.0, stereo.data(), 1, 2);
    EXPECT_EQ(stereo, (std::vector<float>{1000 * s, -3000 * s}));
    std::vector<float> mono(1, 0.0f);
    MixFrames(Frames(2, {1000, 3000}), 0.0, 1.0, mono.data(), 1, 1);
    EXPECT_FLOAT_EQ(mono[0], 2000 * s);
    std::vector<float> surround(2, 0.0f);
    MixFrames(Frames(3, {300, 600, 900}), 0.0, 1.0, surround.data(), 1, 2);
    EXPECT_FLOAT_EQ(surround[0], 600 * s);
    EXPECT_FLOAT_EQ(surround[1], 600 * s);
}

TEST(MixFrames, AddsToWhatIsThereAndStopsAtTheEnd) {
    const float s = 1.0f / 32768.0f;
    std::vector<float> out(4, 0.5f);
    double cursor = MixFrames(Frames(1, {1000}), 0.0, 1.0, out.data(), 4, 1);
    EXPECT_EQ(out, (std::vector<float>{0.5f + 1000 * s, 0.5f, 0.5f, 0.5f}));
    EXPECT_DOUBLE_EQ(cursor, 4.0);
}

TEST(MixFrames, InterpolatesWhenTheRatesDiffer) {
    const float s = 1.0f / 32768.0f;
    std::vector<float> out(4, 0.0f);
    double cursor = MixFrames(Frames(1, {0, 1000, 3000}), 0.5, 0.5, out.data(), 4, 1);
    EXPECT_FLOAT_EQ(out[0], 500 * s);
    EXPECT_FLOAT_EQ(out[1], 1000 * s);
    EXPECT_FLOAT_EQ(out[2], 2000 * s);
    EXPECT_FLOAT_EQ(out[3], 3000 * s);
    EXPECT_DOUBLE_EQ(cursor, 2.5);
}

} // namespace
