// Kick, snare, hats and crash: everything made of a pitch sweep and noise.
#include <cmath>

#include "dsp.h"
#include "instruments.h"

Samples SynthKick(const Note& n) {
    Noise noise(NoiseSeed(n));
    double phase = 0.0;
    return Sampled(0.7, n.velocity, [&](size_t, double t) {
        // The pitch falls from a punchy 160 Hz to a 46 Hz body within ~25 ms;
        // the body's slow half-cycles are what the picture's bass band sees, and
        // driving them into tanh flattens their tops so they read as loud.
        double hz = 46.0 + 114.0 * std::exp(-t * 45.0);
        phase += hz / kSampleRate;
        double body = std::sin(2.0 * kPi * phase) * std::exp(-t * 9.0) * std::min(1.0, t * 600.0);
        double click = noise.Next() * std::exp(-t * 350.0) * 0.25;
        return std::tanh(body * 2.5) + click;
    });
}

Samples SynthSnare(const Note& n) {
    Noise noise(NoiseSeed(n));
    Svf bright;
    bright.Tune(1800.0, 0.0);
    double phase = 0.0;
    return Sampled(0.35, n.velocity, [&](size_t, double t) {
        phase += (180.0 + 60.0 * std::exp(-t * 40.0)) / kSampleRate;
        double tone = std::sin(2.0 * kPi * phase) * std::exp(-t * 28.0) * 0.35;
        float rattle = bright.Process(noise.Next()).band;
        double snap = rattle * std::exp(-t * 12.0) * 3.0;
        return tone + snap;
    });
}

namespace {

Samples MetallicNoise(const Note& n, double seconds, double decayRate, double cutoff) {
    Noise noise(NoiseSeed(n));
    Svf filter;
    filter.Tune(cutoff, 0.3);
    return Sampled(seconds, n.velocity, [&](size_t, double t) {
        float high = filter.Process(noise.Next()).high;
        return high * std::exp(-t * decayRate);
    });
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
    const size_t length = SampleCount(n.length);
    Noise noise(NoiseSeed(n));
    Svf filter;
    return Sampled(n.length, n.velocity, [&](size_t i, double) {
        double f = static_cast<double>(i) / length;
        if (i % kControlInterval == 0)
            filter.Tune(400.0 * std::pow(2.0, 4.5 * f), 0.6);
        float band = filter.Process(noise.Next()).band;
        return band * f * f;
    });
}
