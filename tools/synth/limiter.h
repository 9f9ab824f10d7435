// The master limiter: a look-ahead gain rider that keeps every sample within
// a ceiling without distorting the waveform.
#pragma once

#include "reverb.h"

// Rides the level of the mix down wherever it would pass ceiling: the gain
// falls in a straight ramp over the `lookAhead` seconds before a peak and
// recovers exponentially with the `release` time after it.
void Limit(StereoBuffer& mix, float ceiling, double lookAhead, double release);
