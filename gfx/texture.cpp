#include "gfx/texture.h"

#include "gfx/png_check.h"
#include "gfx/texture_upload.h"

#ifdef ZENTRAFEL_SOIL
#include <SOIL.h>
#endif

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

// Images are decoded here, not by the decoder bundled inside SOIL, which
// aborts on some corrupt PNG files and reads past the end of others. Static
// linkage keeps these functions from colliding with that decoder's symbols.
// No image of the production comes near the size cap; an image claiming more
// is refused before any pixel memory is taken.
// Every image of the production is a PNG, and PNG is the only format decoded:
// the JPEG decoder of the system's stb_image (2.27) writes past its Huffman
// table on a corrupt JPEG, and the other formats' decoders have no more use
// here than that one.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_MAX_DIMENSIONS 8192
#define STBI_ONLY_PNG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
// GCC 12 sees a false overflow in the decoder's format conversion at -O3.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#endif
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace {

// Pixels as the file holds them, with the file's own channel count (1 to 4).
struct DecodedImage {
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    int channels = 0;
};

std::vector<unsigned char> ReadFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file),
                                      std::istreambuf_iterator<char>());
}

// The chunks are checked before the decoder sees them (see png_check.h).
DecodedImage Decode(const std::string& fileName) {
    DecodedImage image;
    const std::vector<unsigned char> bytes = ReadFile(fileName);
    if (!PngChunksIntact(bytes.data(), bytes.size()))
        return image;
    image.pixels = stbi_load_from_memory(bytes.data(), int(bytes.size()), &image.width,
                                         &image.height, &image.channels, 0);
    return image;
}

// SOIL scales to powers of two, flips the rows, premultiplies alpha, builds
// the mipmap chain on the CPU and sets GL_CLAMP; where SOIL is not available
// (Windows), the upload of texture_upload.h does the same to the byte. Mip
// levels of 1-, 2- and 3-channel images have rows that are not a multiple of
// 4 bytes long, which GL's default unpack alignment would misread (and read
// past the end of), so the rows are declared tightly packed for the upload.
GLuint Upload(const DecodedImage& image) {
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
#ifdef ZENTRAFEL_SOIL
    const GLuint id = SOIL_create_OGL_texture(image.pixels, image.width, image.height,
                                              image.channels, SOIL_CREATE_NEW_ID,
                                              SOIL_FLAG_DDS_LOAD_DIRECT | SOIL_FLAG_MIPMAPS |
                                                  SOIL_FLAG_MULTIPLY_ALPHA | SOIL_FLAG_INVERT_Y);
#else
    const GLuint id = UploadTexture(image.pixels, image.width, image.height, image.channels);
#endif
    glPopClientAttrib();
    return id;
}

} // namespace

void Texture::Load(std::string fileName) {
    std::printf("Texture::Load %s\n", fileName.c_str());
    const DecodedImage image = Decode(fileName);
    if (!image.pixels) {
        id = 0;
        return;
    }
    id = Upload(image);
    stbi_image_free(image.pixels);
}

void Texture::Bind(GLenum textureUnit) {
    unit = textureUnit;
    glActiveTexture(unit);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, id);
}

void Texture::Unbind() {
    glActiveTexture(unit);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
}
