#include "mask.h"

#include <algorithm>
#include <cmath>

Mask::Mask(int w, int h) : width(w), height(h), value(static_cast<size_t>(w) * h, 0.0f) {}

float Mask::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0.0f;
    return value[static_cast<size_t>(y) * width + x];
}

namespace {

// One running-sum box pass over a line of n values spaced by stride.
void BoxLine(float* line, int n, int stride, int radius, std::vector<float>& tmp) {
    tmp.assign(n, 0.0f);
    float sum = 0.0f;
    const float scale = 1.0f / (2 * radius + 1);
    for (int i = 0; i <= radius && i < n; ++i)
        sum += line[i * stride];
    for (int i = 0; i < n; ++i) {
        tmp[i] = sum * scale;
        int out = i - radius;
        int in = i + radius + 1;
        if (out >= 0)
            sum -= line[out * stride];
        if (in < n)
            sum += line[in * stride];
    }
    for (int i = 0; i < n; ++i)
        line[i * stride] = tmp[i];
}

} // namespace

Mask Blurred(const Mask& m, float sigma) {
    Mask out = m;
    // The box radius that makes three passes approximate a Gaussian of sigma.
    float width = std::sqrt(4.0f * sigma * sigma + 1.0f);
    int radius = static_cast<int>(std::lround((width - 1.0f) / 2.0f));
    if (radius == 0)
        return out;
    std::vector<float> tmp;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < out.height; ++y)
            BoxLine(&out.Ref(0, y), out.width, 1, radius, tmp);
        for (int x = 0; x < out.width; ++x)
            BoxLine(&out.Ref(x, 0), out.height, out.width, radius, tmp);
    }
    return out;
}

Mask Amplified(const Mask& m, float gain) {
    Mask out = m;
    for (float& v : out.value)
        v = std::clamp(v * gain, 0.0f, 1.0f);
    return out;
}

Mask Union(const Mask& a, const Mask& b) {
    Mask out = a;
    for (size_t i = 0; i < out.value.size(); ++i)
        out.value[i] = std::max(a.value[i], b.value[i]);
    return out;
}

Mask Minus(const Mask& a, const Mask& b) {
    Mask out = a;
    for (size_t i = 0; i < out.value.size(); ++i)
        out.value[i] = std::max(0.0f, a.value[i] - b.value[i]);
    return out;
}

Mask Shifted(const Mask& m, int dx, int dy) {
    Mask out(m.width, m.height);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            out.Ref(x, y) = m.At(x - dx, y - dy);
    return out;
}

void FillRect(Mask& m, int x0, int y0, int x1, int y1, float v) {
    for (int y = std::max(0, y0); y < std::min(m.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(m.width, x1); ++x)
            m.Ref(x, y) = std::max(m.Ref(x, y), v);
}

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
