#include "tests/support/png_files.h"

#include "tests/support/gl_fixture.h"

#include "gfx/png_encoder.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The whole file, as the project's writer makes it.
std::string PngBytes(int width, int height, int channels, const unsigned char* pixels) {
    PngEncoder encoder;
    if (!encoder.Init(width, height, channels) || !encoder.Encode(pixels))
        std::abort();
    return std::string(reinterpret_cast<const char*>(encoder.Data()), encoder.Size());
}

uint32_t Crc32(const unsigned char* bytes, size_t count) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = char((value >> (24 - 8 * i)) & 0xFF);
}

} // namespace

std::string WritePng(const std::string& name, int width, int height, int channels,
                     const std::vector<unsigned char>& pixels) {
    return ScratchFile(name, PngBytes(width, height, channels, pixels.data()));
}

// The IHDR chunk follows the 8-byte signature: length, "IHDR", width at
// byte 16, height at byte 20, and its CRC over type and data at byte 29.
std::string PngClaimingSize(unsigned width, unsigned height) {
    const unsigned char pixel[3] = {255, 0, 0};
    std::string bytes = PngBytes(1, 1, 3, pixel);
    PutBigEndian(bytes, 16, width);
    PutBigEndian(bytes, 20, height);
    PutBigEndian(bytes, 29, Crc32(reinterpret_cast<const unsigned char*>(bytes.data()) + 12, 17));
    return bytes;
}
