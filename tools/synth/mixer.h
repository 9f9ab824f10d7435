// Renders a score to a stereo mix: every note through its instrument, panned,
// summed with its channel's gain, sent to the reverb and the echo, and the
// sum left for the master limiter (limiter.h).
#pragma once

#include "note.h"
#include "reverb.h"

// A mix of `seconds` length; notes that ring past the end are cut there.
StereoBuffer RenderMix(const Score& score, double seconds);
