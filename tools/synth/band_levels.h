// Measures the music the way the scenes hear it.
//
// The production reads a 128-bin spectrum each frame: |X_k| / 128 of a
// periodic-Hann-windowed 256-frame FFT of the mono mix (the mean of the
// channels), taken over the 256 frames that end at the play position. The
// opening scenes listen to the mean of bins 0..2 (kick and bass), the middle
// scenes to the mean of bins 4..13 (leads, arpeggios, snares). This module
// computes the same spectrum and summarises both bands per section.
#pragma once

#include <array>
#include <string>
#include <vector>

constexpr int kFftFrames = 256;
constexpr int kFftBins = 128;

using Spectrum = std::array<float, kFftBins>;

// Mean of the channels of interleaved samples.
std::vector<float> MonoMix(const std::vector<float>& interleaved, int channels);

// The spectrum of the 256 frames ending just before `endFrame`; frames
// before the start count as silence.
Spectrum SpectrumAt(const std::vector<float>& mono, long endFrame);

// Mean of bins first..last inclusive.
float BandMean(const Spectrum& s, int first, int last);

struct BandSummary {
    float p10 = 0, median = 0, p90 = 0, max = 0;
};

// Percentiles of a set of readings (the readings are reordered).
BandSummary Summarise(std::vector<float>& readings);

struct SectionLevels {
    std::string name;
    BandSummary low;       // mean of bins 0..2
    BandSummary mid;       // mean of bins 4..13
    float lowBeatPeak = 0; // median over the beats of each beat's highest low reading
    float midBeatPeak = 0; // the same for the mid band
    float midInRange = 0;  // share of readings with the mid band in [0.01, 0.15]
};

// Reads both bands every `step` seconds from start to end; beats of
// `beatLength` seconds, counted from start, group the readings for the
// per-beat peaks.
SectionLevels MeasureSpan(const std::vector<float>& mono, int sampleRate, const std::string& name,
                          double start, double end, double step, double beatLength);
