// The upload of a decoded image into a new texture, with the loader's
// contract: sides scaled up to powers of two (bilinear, corners kept), rows
// flipped so the top row lies at t = 1, colour premultiplied by alpha, the
// whole mipmap chain made on the CPU, GL_LINEAR_MIPMAP_LINEAR / GL_LINEAR
// filters and GL_CLAMP. The pixels of every level equal the Linux build's
// upload through SOIL byte for byte (tests/gfx/texture_upload_test.cpp);
// Windows, where SOIL is not available, uploads through this one.
#pragma once

#include <GL/glew.h>

#include <vector>

// 8-bit pixels, `channels` (1 to 4) interleaved per pixel, rows top down.
struct Pixels {
    std::vector<unsigned char> bytes;
    int width = 0;
    int height = 0;
    int channels = 0;
};

// Level 0 as it is uploaded: flipped, premultiplied, scaled.
Pixels PrepareBaseLevel(const unsigned char* pixels, int width, int height, int channels);

// Every mip level below level 0, each the rounded mean of its block of
// level 0, down to 1x1.
std::vector<Pixels> MakeMipmaps(const Pixels& base);

// A new texture name holding the image, left bound to GL_TEXTURE_2D. The
// caller sets the unpack alignment (1 for rows that are not whole words).
GLuint UploadTexture(const unsigned char* pixels, int width, int height, int channels);
