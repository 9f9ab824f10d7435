// Small Ogg Vorbis files made on the spot, for the audio library's tests and
// the clock benchmark, so neither depends on the production's music.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The value of `channel` at `frame`, in -1..1.
using SampleFunction = std::function<float(int64_t frame, int channel)>;

struct OggShape {
    long rate = 44100;
    int channels = 2;
    int64_t frames = 44100;
    float quality = 0.5f; // Vorbis VBR quality, -0.1..1
};

// Encodes `frames` frames of `sample` to `path`. Returns the size of the three
// Vorbis header packets' pages (the body starts there), or 0 on failure.
size_t WriteOgg(const std::string& path, const OggShape& shape, const SampleFunction& sample);

// A sine of `frequency` Hz and `amplitude` on every channel.
size_t WriteSineOgg(const std::string& path, const OggShape& shape, double frequency,
                    double amplitude);
