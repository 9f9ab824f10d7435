#include "gfx/png_check.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Length, type and CRC around each chunk's data.
constexpr size_t kChunkFrame = 12;

uint32_t BigEndian32(const unsigned char* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

bool IsType(const unsigned char* chunk, const char* type) {
    return std::memcmp(chunk + 4, type, 4) == 0;
}

// The CRC covers the type and the data, not the length.
bool CrcMatches(const unsigned char* chunk, uint32_t length) {
    uLong crc = crc32(0L, chunk + 4, uInt(4 + length));
    return crc == BigEndian32(chunk + 8 + length);
}

} // namespace

bool PngChunksIntact(const unsigned char* data, size_t size) {
    if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        return false;
    size_t at = sizeof kSignature;
    int idatChunks = 0;
    while (size - at >= kChunkFrame) {
        const unsigned char* chunk = data + at;
        const uint32_t length = BigEndian32(chunk);
        if (length > size - at - kChunkFrame || !CrcMatches(chunk, length))
            return false;
        if (at == sizeof kSignature && !IsType(chunk, "IHDR"))
            return false;
        if (IsType(chunk, "IDAT") && length == 0)
            return false;
        idatChunks += IsType(chunk, "IDAT");
        if (IsType(chunk, "IEND"))
            return idatChunks > 0;
        at += kChunkFrame + length;
    }
    return false; // no IEND: the file was cut short
}
