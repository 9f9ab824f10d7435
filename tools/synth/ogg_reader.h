// Decodes an Ogg Vorbis file with libvorbisfile, for measuring what was written.
#pragma once

#include <string>
#include <vector>

struct DecodedAudio {
    int channels = 0;
    long sampleRate = 0;
    std::vector<float> interleaved; // frames × channels, -1..1
    size_t Frames() const { return channels ? interleaved.size() / channels : 0; }
};

// False when the file is missing or not Ogg Vorbis.
bool ReadOggVorbis(const std::string& path, DecodedAudio& out);
