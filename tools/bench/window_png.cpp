#include "tools/bench/window_png.h"

#include "gfx/png_encoder.h"

#include <GL/glew.h>

#include <vector>

bool WriteWindowPng(const std::string& path, int width, int height) {
    std::vector<unsigned char> pixels(size_t(width) * size_t(height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    PngEncoder encoder;
    return encoder.Init(width, height) && encoder.Encode(pixels.data(), true) &&
           encoder.WriteFile(path.c_str());
}
