// Side-chain ducking: everything but the kick dips each time the kick hits
// and swells back before the next beat. It keeps the kick clear of the rest
// of the mix, so the sum needs less limiting, and gives the groove its pump.
#pragma once

#include <cstddef>
#include <vector>

#include "note.h"

// Gain per frame for the non-kick part of the mix: 1 - depth × velocity at a
// kick's onset (reached over 4 ms), recovering exponentially with `release`
// seconds. Overlapping dips take the deeper one.
std::vector<float> KickDucking(const Score& score, std::size_t frames, float depth, double release);
