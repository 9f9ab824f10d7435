#include "tools/rbbench/frame_png.h"

#include <GL/glew.h>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <vector>

bool WriteWindowPng(const std::string& path, int width, int height) {
    std::vector<unsigned char> pixels(size_t(width) * size_t(height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // GL rows run bottom up, PNG rows top down: write with a negative stride.
    const int stride = width * 3;
    return stbi_write_png(path.c_str(), width, height, 3,
                          pixels.data() + size_t(height - 1) * size_t(stride), -stride) != 0;
}
