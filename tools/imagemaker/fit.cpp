#include <algorithm>

#include "images.h"

float FitPixelHeight(const Font& font, const char* text, float maxWidth, float maxHeight,
                     float trackingPerPixel) {
    // Ink grows in proportion to the size, so one measurement gives the scale;
    // a second pass corrects the rounding of the first.
    float size = 100.0f;
    for (int pass = 0; pass < 2; ++pass) {
        InkBox ink = font.Measure(text, size, trackingPerPixel * size);
        if (ink.Width() <= 0 || ink.Height() <= 0)
            return size;
        float scale = std::min(maxWidth / ink.Width(), maxHeight / ink.Height());
        size *= scale;
    }
    return size * 0.995f;
}

InkBox DrawFitted(Mask& target, const Font& font, const char* text, float maxWidth, float maxHeight,
                  float cx, float cy, float trackingPerPixel) {
    float size = FitPixelHeight(font, text, maxWidth, maxHeight, trackingPerPixel);
    return font.DrawCentred(target, text, size, cx, cy, trackingPerPixel * size);
}
