// A ping-pong echo: repeats bounce between the channels, each one darker.
#pragma once

#include <vector>

#include "reverb.h"

// Adds echoes of the mono input to out: first on the left after `seconds`,
// then alternating, each repeat scaled by feedback.
void AddEcho(const std::vector<float>& in, StereoBuffer& out, double seconds, float feedback,
             float wet);
