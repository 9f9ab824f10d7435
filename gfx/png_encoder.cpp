#include "gfx/png_encoder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// PNG's "Up" filter: each byte minus the one above it. The scenes' pictures
// are smooth vertically and mostly black, which this makes runs of zeros.
constexpr unsigned char kFilterUp = 2;
// PNG's colour type for 1 to 4 channels: grey, grey + alpha, RGB, RGBA.
const unsigned char kColourTypes[5] = {0, 0, 4, 2, 6};
// Signature, IHDR, the IDAT chunk's frame, IEND.
constexpr size_t kOverhead = 8 + 25 + 12 + 12;

} // namespace

PngEncoder::~PngEncoder() {
    if (deflating)
        deflateEnd(&stream);
}

bool PngEncoder::Init(int w, int h, int c, int level) {
    if (c < 1 || c > 4 || deflating)
        return false;
    width = w;
    height = h;
    channels = c;
    if (deflateInit(&stream, level) != Z_OK)
        return false;
    deflating = true;
    size_t rowBytes = 1 + static_cast<size_t>(w) * channels;
    filtered.resize(rowBytes * h);
    compressed.resize(deflateBound(&stream, filtered.size()));
    output.resize(kOverhead + compressed.size());
    return true;
}

void PngEncoder::FilterRows(const unsigned char* pixels, bool bottomUp) {
    const size_t stride = static_cast<size_t>(width) * channels;
    // Row y of the file, wherever the source keeps it.
    auto sourceRow = [&](int y) { return pixels + (bottomUp ? height - 1 - y : y) * stride; };
    for (int y = 0; y < height; ++y) {
        unsigned char* out = &filtered[y * (stride + 1)];
        const unsigned char* row = sourceRow(y);
        out[0] = kFilterUp;
        if (y == 0) {
            std::memcpy(out + 1, row, stride);
            continue;
        }
        const unsigned char* above = sourceRow(y - 1);
        for (size_t i = 0; i < stride; ++i)
            out[1 + i] = static_cast<unsigned char>(row[i] - above[i]);
    }
}

void PngEncoder::AppendUint32(unsigned long value) {
    output[size++] = static_cast<unsigned char>(value >> 24);
    output[size++] = static_cast<unsigned char>(value >> 16);
    output[size++] = static_cast<unsigned char>(value >> 8);
    output[size++] = static_cast<unsigned char>(value);
}

void PngEncoder::AppendChunk(const char* type, const unsigned char* data, size_t length) {
    AppendUint32(length);
    size_t typeAt = size;
    std::memcpy(&output[size], type, 4);
    size += 4;
    if (length)
        std::memcpy(&output[size], data, length);
    size += length;
    uLong crc = crc32(0L, &output[typeAt], static_cast<uInt>(4 + length));
    AppendUint32(crc);
}

bool PngEncoder::Encode(const unsigned char* pixels, bool bottomUp) {
    FilterRows(pixels, bottomUp);
    deflateReset(&stream);
    stream.next_in = filtered.data();
    stream.avail_in = static_cast<uInt>(filtered.size());
    stream.next_out = compressed.data();
    stream.avail_out = static_cast<uInt>(compressed.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
        return false;

    // IHDR: size, 8 bits per sample, the colour type, deflate, adaptive
    // filtering, no interlace.
    unsigned char header[13] = {};
    for (int i = 0; i < 4; ++i) {
        header[i] = static_cast<unsigned char>(width >> (24 - 8 * i));
        header[4 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
    }
    header[8] = 8;
    header[9] = kColourTypes[channels];

    size = 0;
    std::memcpy(&output[0], kSignature, sizeof kSignature);
    size = sizeof kSignature;
    AppendChunk("IHDR", header, sizeof header);
    AppendChunk("IDAT", compressed.data(), stream.total_out);
    AppendChunk("IEND", nullptr, 0);
    return true;
}

bool PngEncoder::WriteFile(const char* path) const {
    // Plain descriptors rather than stdio, whose FILE is allocated per open.
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < size) {
        ssize_t n = write(fd, output.data() + done, size - done);
        if (n < 0) {
            close(fd);
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return close(fd) == 0;
}
