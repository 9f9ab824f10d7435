#include "bass/bass_spectrum.h"

#include "bass/bass_library.h"

#include <kiss_fftr.h>

#include <cmath>

namespace {

// The periodic Hann window: its mean is exactly 0.5, which fixes the scale.
void FillWindow(float* window) {
    const double pi = std::acos(-1.0);
    for (int n = 0; n < kSpectrumFrames; ++n)
        window[n] = float(0.5 - 0.5 * std::cos(2.0 * pi * n / kSpectrumFrames));
}

float MonoSample(const PcmBuffer& pcm, int64_t frame) {
    if (frame < 0 || frame >= pcm.frames)
        return 0.0f;
    const int16_t* values = pcm.Frame(frame);
    int sum = 0;
    for (int c = 0; c < pcm.channels; ++c)
        sum += values[c];
    return float(sum) / (32768.0f * float(pcm.channels));
}

} // namespace

bool PrepareSpectrum() {
    BassLibrary::Spectrum& spectrum = bass.spectrum;
    if (!spectrum.plan) {
        spectrum.plan = kiss_fftr_alloc(kSpectrumFrames, 0, nullptr, nullptr);
        FillWindow(spectrum.window);
    }
    return spectrum.plan != nullptr;
}

void ComputeSpectrum(const PcmBuffer& pcm, int64_t endFrame, float* bins) {
    BassLibrary::Spectrum& spectrum = bass.spectrum;
    int64_t first = endFrame - kSpectrumFrames;
    for (int n = 0; n < kSpectrumFrames; ++n)
        spectrum.input[n] = MonoSample(pcm, first + n) * spectrum.window[n];
    kiss_fftr(spectrum.plan, spectrum.input, spectrum.output);
    const float scale = 1.0f / (kSpectrumFrames / 2);
    for (int k = 0; k < kSpectrumBins; ++k)
        bins[k] = std::hypot(spectrum.output[k].r, spectrum.output[k].i) * scale;
}
