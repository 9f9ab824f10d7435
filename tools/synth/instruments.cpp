#include "instruments.h"

#include <cmath>

#include "timeline.h"

unsigned NoiseSeed(const Note& n) {
  return static_cast<unsigned>(std::llround(n.start * kSampleRate)) * 2654435761u + 12345u;
}

size_t SampleCount(double seconds) {
  return seconds <= 0.0 ? 0 : static_cast<size_t>(std::ceil(seconds * kSampleRate));
}

Samples Synthesise(const Note& n) {
  switch (n.voice) {
    case Voice::Kick: return SynthKick(n);
    case Voice::Snare: return SynthSnare(n);
    case Voice::Hat: return SynthHat(n);
    case Voice::OpenHat: return SynthOpenHat(n);
    case Voice::Crash: return SynthCrash(n);
    case Voice::Bass: return SynthBass(n);
    case Voice::Lead: return SynthLead(n);
    case Voice::Arp: return SynthArp(n);
    case Voice::Pad: return SynthPad(n);
    case Voice::Riser: return SynthRiser(n);
  }
  return {};
}
