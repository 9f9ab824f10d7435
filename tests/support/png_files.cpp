#include "tests/support/png_files.h"

#include "tests/support/gl_fixture.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstdint>

namespace {

void WriteBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
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
    std::string bytes;
    stbi_write_png_to_func(WriteBytes, &bytes, width, height, channels, pixels.data(),
                           width * channels);
    return ScratchFile(name, bytes);
}

// The IHDR chunk follows the 8-byte signature: length, "IHDR", width at
// byte 16, height at byte 20, and its CRC over type and data at byte 29.
std::string PngClaimingSize(unsigned width, unsigned height) {
    std::string bytes;
    const unsigned char pixel[3] = {255, 0, 0};
    stbi_write_png_to_func(WriteBytes, &bytes, 1, 1, 3, pixel, 3);
    PutBigEndian(bytes, 16, width);
    PutBigEndian(bytes, 20, height);
    PutBigEndian(bytes, 29, Crc32(reinterpret_cast<const unsigned char*>(bytes.data()) + 12, 17));
    return bytes;
}
