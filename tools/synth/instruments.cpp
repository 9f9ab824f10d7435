#include "instruments.h"

#include <algorithm>
#include <cmath>

#include "timeline.h"

unsigned NoiseSeed(const Note& n) {
    return static_cast<unsigned>(std::llround(n.start * kSampleRate)) * 2654435761u + 12345u;
}

size_t SampleCount(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<size_t>(std::ceil(seconds * kSampleRate));
}

namespace {

Samples Render(const Note& n) {
    switch (n.voice) {
    case Voice::Kick:
        return SynthKick(n);
    case Voice::Snare:
        return SynthSnare(n);
    case Voice::Hat:
        return SynthHat(n);
    case Voice::OpenHat:
        return SynthOpenHat(n);
    case Voice::Crash:
        return SynthCrash(n);
    case Voice::Bass:
        return SynthBass(n);
    case Voice::Lead:
        return SynthLead(n);
    case Voice::Arp:
        return SynthArp(n);
    case Voice::Pad:
        return SynthPad(n);
    case Voice::Riser:
        return SynthRiser(n);
    }
    return {};
}

} // namespace

Samples Synthesise(const Note& n) {
    Samples s = Render(n);
    // Every sound ends on a 5 ms fade, so one cut off at its end (a riser at
    // full swell, a decay not quite finished) cannot click.
    size_t fade = std::min(s.size(), SampleCount(0.005));
    for (size_t i = 0; i < fade; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / fade;
    return s;
}
