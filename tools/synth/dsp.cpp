#include "dsp.h"

#include <algorithm>

namespace {

// Correction around a discontinuity of the phase ramp (t in [0, 1), dt the
// phase step): subtracting it rounds off the jump.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

float Saw::Next(double hz) {
    double dt = hz / kSampleRate;
    double value = 2.0 * phase_ - 1.0 - PolyBlep(phase_, dt);
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return static_cast<float>(value);
}

float Pulse::Next(double hz, double duty) {
    double dt = hz / kSampleRate;
    // A second ramp `duty` of a period ahead; the difference of the two saws
    // is high for that share of the period, with both edges band-limited.
    double lagged = phase_ + duty;
    lagged -= std::floor(lagged);
    double first = 2.0 * phase_ - 1.0 - PolyBlep(phase_, dt);
    double second = 2.0 * lagged - 1.0 - PolyBlep(lagged, dt);
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return static_cast<float>(0.5 * (first - second));
}

void Svf::Tune(double cutoffHz, double resonance) {
    double x = kPi * std::min(cutoffHz, kSampleRate * 0.2) / (2.0 * kSampleRate);
    f_ = static_cast<float>(2.0 * std::sin(x));
    q_ = static_cast<float>(2.0 * (1.0 - std::clamp(resonance, 0.0, 0.95)));
}

Svf::Out Svf::Process(float in) {
    float high = 0.0f;
    for (int pass = 0; pass < 2; ++pass) {
        low_ += f_ * band_;
        high = in - low_ - q_ * band_;
        band_ += f_ * high;
    }
    return {low_, band_, high};
}

float Adsr::At(double t, double hold) const {
    auto held = [this](double time) {
        if (time < attack)
            return time / attack;
        return sustain + (1.0 - sustain) * std::exp(-(time - attack) / std::max(decay, 1e-4));
    };
    if (t < 0.0)
        return 0.0f;
    if (t < hold)
        return static_cast<float>(held(t));
    double level = held(hold);
    double after = t - hold;
    if (after >= release)
        return 0.0f;
    return static_cast<float>(level * (1.0 - after / release));
}
