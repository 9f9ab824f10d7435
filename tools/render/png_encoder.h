// PngEncoder: turns RGB frames of one fixed size into PNG files. Everything it
// needs (the filtered rows, the compressor's state, the output buffer) is
// allocated once by Init, so encoding a frame allocates nothing. Not shared
// between threads.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <vector>

class PngEncoder {
public:
    PngEncoder() = default;
    PngEncoder(const PngEncoder&) = delete;
    PngEncoder& operator=(const PngEncoder&) = delete;
    ~PngEncoder();

    bool Init(int width, int height);
    // `rgb`: width × height pixels, 3 bytes each, top row first, rows packed.
    bool Encode(const unsigned char* rgb);
    const unsigned char* Data() const { return output.data(); }
    size_t Size() const { return size; }
    // Writes the last encoded picture; false (errno set) when it cannot.
    bool WriteFile(const char* path) const;

private:
    void FilterRows(const unsigned char* rgb);
    void AppendChunk(const char* type, const unsigned char* data, size_t length);
    void AppendUint32(unsigned long value);

    int width = 0;
    int height = 0;
    bool deflating = false;
    z_stream stream = {};
    std::vector<unsigned char> filtered; // one filter byte, then the row
    std::vector<unsigned char> compressed;
    std::vector<unsigned char> output;
    size_t size = 0;
};
