#include "tests/support/ogg_files.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zf_audio.XXXXXX").string();
    if (mkdtemp(pattern.data()))
        dir = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (!dir.empty())
        std::filesystem::remove_all(dir, ignored);
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

size_t WriteTone(const std::string& path, long rate, int channels, int64_t frames) {
    OggShape shape;
    shape.rate = rate;
    shape.channels = channels;
    shape.frames = frames;
    return WriteSineOgg(path, shape, 440.0, 0.5);
}

size_t WriteNoisyTone(const std::string& path, int64_t frames) {
    OggShape shape;
    shape.frames = frames;
    return WriteOgg(path, shape, [](int64_t frame, int channel) {
        uint32_t x = uint32_t(frame * 2 + channel) * 2654435761u;
        x ^= x >> 15;
        x *= 2246822519u;
        x ^= x >> 13;
        float noise = float(x & 0xffff) / 65535.0f - 0.5f;
        return 0.5f * std::sin(0.0627f * float(frame)) + 0.4f * noise;
    });
}
