// Which greeting image a value of the index track shows.
#pragma once

#include "scenes/production.h" // kGreetingCount

// The whole part of the value, kept within the seven images: the track never
// leaves 0..6, but an index past either end (or a NaN) must not read outside
// the textures.
inline int GreetingIndex(double value) {
    if (!(value >= 0.0))
        return 0;
    if (value >= kGreetingCount - 1)
        return kGreetingCount - 1;
    return static_cast<int>(value);
}
