// PngEncoder: the project's one PNG writer (frames of the offline renderer,
// the image maker's resources, the tests' images). Turns pictures of one
// fixed size and channel count (1 grey, 2 grey + alpha, 3 RGB, 4 RGBA) into
// PNG files. Everything it needs (the filtered rows, the compressor's state,
// the output buffer) is allocated once by Init, so encoding a picture
// allocates nothing. Not shared between threads.
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

    // `level`: zlib's 1 (fastest, for frames) to 9 (smallest, for files kept).
    bool Init(int width, int height, int channels = 3, int level = 1);
    // `pixels`: width × height pixels of `channels` bytes each, rows packed,
    // top row first, or bottom row first (as GL reads them) when `bottomUp`.
    bool Encode(const unsigned char* pixels, bool bottomUp = false);
    const unsigned char* Data() const { return output.data(); }
    size_t Size() const { return size; }
    // Writes the last encoded picture; false (errno set) when it cannot.
    bool WriteFile(const char* path) const;

  private:
    void FilterRows(const unsigned char* pixels, bool bottomUp);
    void AppendChunk(const char* type, const unsigned char* data, size_t length);
    void AppendUint32(unsigned long value);

    int width = 0;
    int height = 0;
    int channels = 3;
    bool deflating = false;
    z_stream stream = {};
    std::vector<unsigned char> filtered; // one filter byte, then the row
    std::vector<unsigned char> compressed;
    std::vector<unsigned char> output;
    size_t size = 0;
};
