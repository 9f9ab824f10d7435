// Small signal-processing building blocks shared by the instruments.
#pragma once

#include <cmath>
#include <cstdint>

#include "timeline.h"

constexpr double kPi = 3.14159265358979323846;

inline double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// A fixed-seed white-noise source so that every render is identical.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
    // Uniform in [-1, 1).
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
    }

  private:
    uint32_t state_;
};

// A band-limited sawtooth: the naive ramp with its jump smoothed by a
// polynomial step, which keeps high notes free of audible aliasing.
class Saw {
  public:
    explicit Saw(double phase = 0.0) : phase_(phase) {}
    float Next(double hz);

  private:
    double phase_;
};

// Pulse of a given duty cycle built from two band-limited saws.
class Pulse {
  public:
    float Next(double hz, double duty);

  private:
    double phase_ = 0.0;
};

// Two-pole state-variable filter (Chamberlin form, run twice per sample for
// stability at high cutoffs). Resonance 0 is gentle, 0.9 rings. Tune may be
// called every sample, but sweeping instruments call it every
// kControlInterval samples, which is inaudible and much cheaper.
class Svf {
  public:
    struct Out {
        float low, band, high;
    };
    void Tune(double cutoffHz, double resonance);
    Out Process(float in);

  private:
    float f_ = 0.0f, q_ = 2.0f;
    float low_ = 0.0f, band_ = 0.0f;
};

constexpr int kControlInterval = 16;

// Linear attack, exponential decay to a sustain level, linear release after
// the key is let go at `hold` seconds. Times in seconds.
struct Adsr {
    double attack, decay, sustain, release;
    float At(double t, double hold) const;
};
