#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "timeline.h"

unsigned NoiseSeed(const Note& n) {
    return static_cast<unsigned>(std::llround(n.start * kSampleRate)) * 2654435761u + 12345u;
}

size_t SampleCount(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<size_t>(std::ceil(seconds * kSampleRate));
}

Samples Synthesise(const Note& n) {
    // One instrument per voice, in the order of Voice.
    static Samples (*const instruments[])(const Note&) = {
        SynthKick, SynthSnare, SynthHat, SynthOpenHat, SynthCrash,
        SynthBass, SynthLead,  SynthArp, SynthPad,     SynthRiser,
    };
    static_assert(std::size(instruments) == kVoiceCount);
    Samples s = instruments[static_cast<int>(n.voice)](n);
    // Every sound ends on a 5 ms fade, so one cut off at its end (a riser at
    // full swell, a decay not quite finished) cannot click.
    size_t fade = std::min(s.size(), SampleCount(0.005));
    for (size_t i = 0; i < fade; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / fade;
    return s;
}
