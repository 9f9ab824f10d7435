// Encodes a stereo mix into an Ogg Vorbis file with libvorbisenc's VBR mode.
#pragma once

#include <string>

#include "reverb.h"

// quality: libvorbisenc's VBR quality, -0.1 .. 1.0. The stream serial number
// is fixed so the same mix always gives the same file. False when the file
// cannot be written or the encoder refuses the settings.
bool WriteOggVorbis(const std::string& path, const StereoBuffer& mix, int sampleRate,
                    float quality);
