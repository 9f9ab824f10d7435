#include "image.h"

#include "gfx/png_encoder.h"

#include <algorithm>
#include <cmath>

Image::Image(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0.0f) {}

void Image::Fill(Colour c, float alpha) {
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = c.r * alpha;
        rgba[i + 1] = c.g * alpha;
        rgba[i + 2] = c.b * alpha;
        rgba[i + 3] = alpha;
    }
}

void Image::Paint(const Mask& coverage, Colour c, float opacity) {
    PaintShaded(
        coverage, [c](int, int) { return c; }, opacity);
}

void Image::Add(const Mask& coverage, Colour c, float strength) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float a = coverage.At(x, y) * strength;
            if (a <= 0.0f)
                continue;
            float* p = Pixel(x, y);
            p[0] += c.r * a;
            p[1] += c.g * a;
            p[2] += c.b * a;
            p[3] = std::max(p[3], std::min(1.0f, a));
        }
    }
}

namespace {

unsigned char ToByte(float v) {
    float c = std::clamp(v, 0.0f, 1.0f);
    return static_cast<unsigned char>(std::lround(c * 255.0f));
}

} // namespace

bool SavePng(const Image& image, const std::string& path) {
    std::vector<unsigned char> bytes(static_cast<size_t>(image.width) * image.height * 4);
    for (size_t i = 0; i < bytes.size(); i += 4) {
        float a = std::clamp(image.rgba[i + 3], 0.0f, 1.0f);
        // Straight alpha: undo the premultiplication; fully clear pixels keep black.
        float inv = a > 1e-6f ? 1.0f / a : 0.0f;
        for (size_t c = 0; c < 3; ++c)
            bytes[i + c] = ToByte(image.rgba[i + c] * inv);
        bytes[i + 3] = ToByte(a);
    }
    // The resources are kept in the repository: the smallest files.
    PngEncoder encoder;
    return encoder.Init(image.width, image.height, 4, 9) && encoder.Encode(bytes.data()) &&
           encoder.WriteFile(path.c_str());
}
