// Turning a decoded stream into output frames, on the output thread.
#pragma once

#include "bass/bass_pcm.h"

// Adds `frames` output frames of `pcm` into `out` (interleaved, outChannels
// per frame), reading from source frame `cursor` on in steps of `step` source
// frames per output frame: 1 when the rates match, otherwise the values are
// interpolated linearly. Mono plays on every output channel, stereo as left
// and right; other layouts, and a mono output, get the mix of all channels.
// Past the end it adds nothing. Returns the cursor after the last frame.
double MixFrames(const PcmBuffer& pcm, double cursor, double step, float* out, unsigned long frames,
                 int outChannels);
