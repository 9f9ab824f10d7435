#include "mixer.h"

#include <algorithm>
#include <cmath>

#include "timeline.h"

void Limit(StereoBuffer& mix, float ceiling, double lookAhead, double release) {
    // First the gain each frame needs on its own to stay within the ceiling.
    std::vector<float> ride(mix.Frames(), 1.0f);
    for (size_t i = 0; i < ride.size(); ++i) {
        float level = std::max(std::fabs(mix.left[i]), std::fabs(mix.right[i]));
        if (level > ceiling)
            ride[i] = ceiling / level;
    }
    // Backwards: no frame's gain may sit more than one ramp step above the
    // next one's, so the gain is already down when a peak arrives.
    const float step = static_cast<float>(1.0 / std::max(1.0, lookAhead * kSampleRate));
    for (size_t i = ride.size(); i-- > 1;)
        ride[i - 1] = std::min(ride[i - 1], ride[i] + step);
    // Forwards: recover towards unity gain no faster than the release allows.
    const float recover = static_cast<float>(1.0 - std::exp(-1.0 / (release * kSampleRate)));
    float g = 1.0f;
    for (size_t i = 0; i < ride.size(); ++i) {
        g = std::min(ride[i], g + (1.0f - g) * recover);
        mix.left[i] *= g;
        mix.right[i] *= g;
    }
}
