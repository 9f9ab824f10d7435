// Ogg Vorbis files written from a sample function: the production's music
// (tools/synth) and the short tones the audio library is tested and measured
// with. The stream's serial number is fixed, so the same samples always give
// the same bytes.
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

// Encodes `frames` frames of `sample` to `path`, with a TITLE comment where
// `title` is given. Returns the size of the three Vorbis header packets'
// pages (the body starts there), or 0 when the encoder refuses the shape or
// the file cannot be written.
size_t WriteOgg(const std::string& path, const OggShape& shape, const SampleFunction& sample,
                const char* title = nullptr);

// A sine of `frequency` Hz and `amplitude` on every channel.
size_t WriteSineOgg(const std::string& path, const OggShape& shape, double frequency,
                    double amplitude);
