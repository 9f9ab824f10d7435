// Bass, lead, arpeggio and pad: oscillators through filters and envelopes.
#include <cmath>

#include "dsp.h"
#include "instruments.h"

Samples SynthBass(const Note& n) {
    const Adsr amp{0.004, 0.12, 0.75, 0.04};
    Saw saw;
    Svf filter;
    double hz = MidiToHz(n.pitch), sub = 0.0;
    return Sampled(n.length + amp.release, n.velocity, [&](size_t i, double t) {
        if (i % kControlInterval == 0)
            filter.Tune(180.0 + 1400.0 * std::exp(-t * 14.0), 0.35);
        float low = filter.Process(saw.Next(hz)).low;
        // A sine an octave down gives weight that the filtered saw alone lacks.
        sub += 0.5 * hz / kSampleRate;
        double mixed = low * 0.7 + std::sin(2.0 * kPi * sub) * 0.55;
        return mixed * amp.At(t, n.length);
    });
}

Samples SynthLead(const Note& n) {
    const Adsr amp{0.012, 0.3, 0.7, 0.18};
    Saw a(0.0), b(0.37);
    Svf filter;
    double hz = MidiToHz(n.pitch);
    return Sampled(n.length + amp.release, n.velocity, [&](size_t i, double t) {
        // Vibrato fades in after the attack, as a player would add it.
        double depth = 0.004 * std::min(1.0, std::max(0.0, (t - 0.2) * 3.0));
        double wobble = 1.0 + depth * std::sin(2.0 * kPi * 5.2 * t);
        float osc = 0.5f * (a.Next(hz * wobble * 1.004) + b.Next(hz * wobble * 0.996));
        if (i % kControlInterval == 0)
            filter.Tune(2200.0 + 2600.0 * std::exp(-t * 5.0), 0.25);
        float low = filter.Process(osc).low;
        return low * amp.At(t, n.length);
    });
}

Samples SynthArp(const Note& n) {
    Pulse pulse;
    Svf filter;
    double hz = MidiToHz(n.pitch);
    return Sampled(n.length + 0.25, n.velocity, [&](size_t i, double t) {
        if (i % kControlInterval == 0)
            filter.Tune(2400.0 + 4000.0 * std::exp(-t * 18.0), 0.3);
        float low = filter.Process(pulse.Next(hz, 0.3)).low;
        double env = std::min(1.0, t * 500.0) * std::exp(-t * 11.0);
        return low * env;
    });
}

Samples SynthPad(const Note& n) {
    const Adsr amp{0.8, 1.0, 0.85, 1.4};
    // Three slightly detuned saws beat slowly against each other: the shimmer.
    Saw saws[3] = {Saw(0.0), Saw(0.31), Saw(0.67)};
    const double detune[3] = {0.993, 1.0, 1.0068};
    Svf filter;
    double hz = MidiToHz(n.pitch);
    return Sampled(n.length + amp.release, n.velocity, [&](size_t i, double t) {
        float osc = 0.0f;
        for (int k = 0; k < 3; ++k)
            osc += saws[k].Next(hz * detune[k]);
        // The cutoff drifts with the piece's clock, so pads that follow each
        // other continue the same slow sweep.
        if (i % kControlInterval == 0)
            filter.Tune(900.0 + 500.0 * std::sin(2.0 * kPi * 0.15 * (n.start + t)), 0.1);
        float low = filter.Process(osc / 3.0f).low;
        return low * amp.At(t, n.length);
    });
}
