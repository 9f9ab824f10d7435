#include "mixer.h"

#include <algorithm>
#include <cmath>

#include "timeline.h"

std::vector<float> KickDucking(const Score& score, size_t frames, float depth, double release) {
    std::vector<float> gain(frames, 1.0f);
    const size_t attack = static_cast<size_t>(0.004 * kSampleRate);
    const size_t length = static_cast<size_t>(release * 5.0 * kSampleRate);
    for (const Note& n : score) {
        if (n.voice != Voice::Kick)
            continue;
        size_t first = static_cast<size_t>(std::lround(n.start * kSampleRate));
        for (size_t i = 0; i < length && first + i < frames; ++i) {
            double shape =
                i < attack ? static_cast<double>(i) / attack
                           : std::exp(-static_cast<double>(i - attack) / (release * kSampleRate));
            float g = static_cast<float>(1.0 - depth * n.velocity * shape);
            gain[first + i] = std::min(gain[first + i], g);
        }
    }
    return gain;
}
