#include "shapes.h"

#include <algorithm>
#include <cmath>

void FillDisc(Mask& m, float cx, float cy, float r) {
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            float v = std::clamp(r - d + 0.5f, 0.0f, 1.0f);
            m.Ref(x, y) = std::max(m.Ref(x, y), v);
        }
}

float GlowFalloff(float distance, float r) {
    if (distance >= r)
        return 0.0f;
    float q = distance / r;
    float edge = 1.0f - q * q;
    // The Gaussian gives a bright core; the squared window brings it to zero.
    return std::exp(-3.0f * q * q) * edge * edge;
}

void FillRule(Mask& m, float x0, float x1, int y, int thickness) {
    float fade = std::max(1.0f, (x1 - x0) * 0.25f);
    for (int row = y; row < y + thickness; ++row)
        for (int x = static_cast<int>(x0); x < static_cast<int>(std::ceil(x1)); ++x) {
            if (x < 0 || x >= m.width || row < 0 || row >= m.height)
                continue;
            float fromEnd = std::min(x + 0.5f - x0, x1 - x - 0.5f);
            m.Ref(x, row) = std::max(m.Ref(x, row), std::clamp(fromEnd / fade, 0.0f, 1.0f));
        }
}
