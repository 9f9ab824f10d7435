// Kick, snare, hats and crash: everything made of a pitch sweep and noise.
#include <cmath>

#include "dsp.h"
#include "instruments.h"
#include "timeline.h"

Samples SynthKick(const Note& n) {
    Samples out(SampleCount(0.7));
    Noise noise(NoiseSeed(n));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        // The pitch falls from a punchy 160 Hz to a 46 Hz body within ~25 ms;
        // the body's slow half-cycles are what the picture's bass band sees, and
        // driving them into tanh flattens their tops so they read as loud.
        double hz = 46.0 + 114.0 * std::exp(-t * 45.0);
        phase += hz / kSampleRate;
        double body = std::sin(2.0 * kPi * phase) * std::exp(-t * 9.0) * std::min(1.0, t * 600.0);
        double click = noise.Next() * std::exp(-t * 350.0) * 0.25;
        out[i] = static_cast<float>((std::tanh(body * 2.5) + click) * n.velocity);
    }
    return out;
}

Samples SynthSnare(const Note& n) {
    Samples out(SampleCount(0.35));
    Noise noise(NoiseSeed(n));
    Svf bright;
    bright.Tune(1800.0, 0.0);
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        phase += (180.0 + 60.0 * std::exp(-t * 40.0)) / kSampleRate;
        double tone = std::sin(2.0 * kPi * phase) * std::exp(-t * 28.0) * 0.35;
        float rattle = bright.Process(noise.Next()).band;
        double snap = rattle * std::exp(-t * 12.0) * 3.0;
        out[i] = static_cast<float>((tone + snap) * n.velocity);
    }
    return out;
}

namespace {

Samples MetallicNoise(const Note& n, double seconds, double decayRate, double cutoff) {
    Samples out(SampleCount(seconds));
    Noise noise(NoiseSeed(n));
    Svf filter;
    filter.Tune(cutoff, 0.3);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        float high = filter.Process(noise.Next()).high;
        out[i] = static_cast<float>(high * std::exp(-t * decayRate) * n.velocity);
    }
    return out;
}

} // namespace

Samples SynthHat(const Note& n) {
    return MetallicNoise(n, 0.09, 55.0, 7500.0);
}

Samples SynthOpenHat(const Note& n) {
    return MetallicNoise(n, 0.45, 9.0, 6500.0);
}

Samples SynthCrash(const Note& n) {
    return MetallicNoise(n, 2.5, 1.8, 4500.0);
}

Samples SynthRiser(const Note& n) {
    // Noise through a band-pass that sweeps up an octave and a half while it
    // swells: the lift into the next section.
    Samples out(SampleCount(n.length));
    Noise noise(NoiseSeed(n));
    Svf filter;
    for (size_t i = 0; i < out.size(); ++i) {
        double f = static_cast<double>(i) / out.size();
        if (i % kControlInterval == 0)
            filter.Tune(400.0 * std::pow(2.0, 4.5 * f), 0.6);
        float band = filter.Process(noise.Next()).band;
        out[i] = static_cast<float>(band * f * f * n.velocity);
    }
    return out;
}
