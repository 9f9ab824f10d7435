// The instruments: each turns one note into mono samples at kSampleRate,
// starting at the note's start and running on through its ringing tail.
// Velocity scales the output; pitch is ignored by the drums.
#pragma once

#include <cstddef>
#include <vector>

#include "score.h"
#include "timeline.h"

using Samples = std::vector<float>;

Samples SynthKick(const Note& n);
Samples SynthSnare(const Note& n);
Samples SynthHat(const Note& n);
Samples SynthOpenHat(const Note& n);
Samples SynthCrash(const Note& n);
Samples SynthBass(const Note& n);
Samples SynthLead(const Note& n);
Samples SynthArp(const Note& n);
Samples SynthPad(const Note& n);
Samples SynthRiser(const Note& n);

// Picks the instrument by the note's voice; the result ends on a short fade.
Samples Synthesise(const Note& n);

// Seed for a note's noise: fixed by its start so that each hit differs from
// the last but every render is the same.
unsigned NoiseSeed(const Note& n);
// Number of samples in `seconds`, rounded up.
std::size_t SampleCount(double seconds);

// `seconds` of sound: sample(i, t) gives sample i, t seconds in, before the
// velocity scales it.
template <typename Sample> Samples Sampled(double seconds, float velocity, Sample sample) {
    Samples out(SampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(sample(i, static_cast<double>(i) / kSampleRate) * velocity);
    return out;
}
