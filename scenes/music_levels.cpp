#include "scenes/music_levels.h"

#include <climits>
#include <cmath>

float LowLevel(const float* spectrum) {
    return (spectrum[1] + spectrum[0] + spectrum[2]) / 3.0f;
}

float MidLevel(const float* spectrum) {
    // Summed bin by bin in a float so that every run rounds the band the same
    // way.
    float sum = 0.0f;
    for (int bin = 4; bin <= 13; ++bin)
        sum += spectrum[bin];
    return sum / 10.0f * 10.0f + 1.0f;
}

int PostStrength(float midLevel) {
    const float strength = 500.0f - 50.0f * midLevel;
    // Loud music takes the value to zero and below, and it is passed on as it
    // is; only what no int can hold is pinned, since converting it would be
    // undefined.
    if (std::isnan(strength))
        return 0;
    if (strength <= static_cast<float>(INT_MIN))
        return INT_MIN;
    if (strength >= static_cast<float>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(strength);
}
