#include "bass/bass_spectrum.h"

#include <kiss_fftr.h>

#include <cmath>

namespace {

kiss_fftr_cfg plan = nullptr;
float window[kSpectrumFrames];
kiss_fft_scalar input[kSpectrumFrames];
kiss_fft_cpx output[kSpectrumFrames / 2 + 1];

// The periodic Hann window: its mean is exactly 0.5, which fixes the scale.
void FillWindow() {
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
    if (!plan) {
        plan = kiss_fftr_alloc(kSpectrumFrames, 0, nullptr, nullptr);
        FillWindow();
    }
    return plan != nullptr;
}

void ComputeSpectrum(const PcmBuffer& pcm, int64_t endFrame, float* bins) {
    int64_t first = endFrame - kSpectrumFrames;
    for (int n = 0; n < kSpectrumFrames; ++n)
        input[n] = MonoSample(pcm, first + n) * window[n];
    kiss_fftr(plan, input, output);
    const float scale = 1.0f / (kSpectrumFrames / 2);
    for (int k = 0; k < kSpectrumBins; ++k)
        bins[k] = std::hypot(output[k].r, output[k].i) * scale;
}
