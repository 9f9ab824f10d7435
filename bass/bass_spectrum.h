// The magnitude spectrum behind BASS_DATA_FFT256: the 256 frames that end at a
// position (zeros before the start), mixed to mono, under a Hann window, as
// the 128 magnitudes |X_k| / 128, k = 0..127. A full-scale sine centred on
// bin k reads about 0.5 there. Called on the thread that makes the library
// calls; the FFT plan is made once, so computing allocates nothing.
#pragma once

#include "bass/bass_pcm.h"

#include <cstdint>

constexpr int kSpectrumFrames = 256;
constexpr int kSpectrumBins = 128;

// Makes the FFT plan and the window; false when the plan cannot be made.
bool PrepareSpectrum();
// Writes kSpectrumBins floats. Needs PrepareSpectrum first.
void ComputeSpectrum(const PcmBuffer& pcm, int64_t endFrame, float* bins);
