// The finished piece: the score rendered, mixed and mastered.
#pragma once

#include "mixer.h"

// The whole piece at kSampleRate, kMusicLength seconds long.
StereoBuffer RenderPiece();

// Largest absolute sample of either channel.
float Peak(const StereoBuffer& mix);
