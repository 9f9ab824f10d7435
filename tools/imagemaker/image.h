// An RGBA picture held in memory while the image maker composes it.
//
// Pixels are premultiplied floats so that layers composite with one rule;
// SavePng converts to the straight 8-bit alpha that the production's loader
// expects (it premultiplies again when it uploads).
#pragma once

#include <string>
#include <vector>

#include "mask.h"

struct Colour {
    float r, g, b;
};

// The colour a share f of the way from a to b.
inline Colour Mix(Colour a, Colour b, float f) {
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

struct Image {
    int width = 0;
    int height = 0;
    std::vector<float> rgba; // premultiplied, row 0 at the top

    Image(int w, int h);

    // The four values of pixel (x, y).
    float* Pixel(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    const float* Pixel(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * width + x) * 4];
    }

    void Fill(Colour c, float alpha);
    // Paints c over the image wherever the mask covers it, scaled by opacity.
    void Paint(const Mask& coverage, Colour c, float opacity = 1.0f);
    // Paints with a colour that varies per pixel, chosen by shade(x, y).
    template <typename Shade>
    void PaintShaded(const Mask& coverage, Shade shade, float opacity = 1.0f);
    // Adds light: colour without touching alpha unless the image is see-through.
    void Add(const Mask& coverage, Colour c, float strength = 1.0f);
};

bool SavePng(const Image& image, const std::string& path);

template <typename Shade>
void Image::PaintShaded(const Mask& coverage, Shade shade, float opacity) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float a = coverage.At(x, y) * opacity;
            if (a <= 0.0f)
                continue;
            Colour c = shade(x, y);
            float* p = Pixel(x, y);
            p[0] = c.r * a + p[0] * (1.0f - a);
            p[1] = c.g * a + p[1] * (1.0f - a);
            p[2] = c.b * a + p[2] * (1.0f - a);
            p[3] = a + p[3] * (1.0f - a);
        }
    }
}
