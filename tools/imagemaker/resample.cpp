#include "resample.h"

#include <algorithm>
#include <cmath>

namespace {

struct Tap {
    int index;
    float weight;
};

// For each output sample along one axis, the source samples it averages.
std::vector<std::vector<Tap>> Taps(int from, int to) {
    const float scale = static_cast<float>(from) / to;
    const float radius = std::max(1.0f, scale);
    std::vector<std::vector<Tap>> taps(to);
    for (int i = 0; i < to; ++i) {
        const float centre = (i + 0.5f) * scale - 0.5f;
        float total = 0.0f;
        for (int j = static_cast<int>(std::ceil(centre - radius));
             j <= static_cast<int>(std::floor(centre + radius)); ++j) {
            const float weight = 1.0f - std::fabs(j - centre) / radius;
            if (weight <= 0.0f)
                continue;
            taps[i].push_back({std::clamp(j, 0, from - 1), weight});
            total += weight;
        }
        for (Tap& tap : taps[i])
            tap.weight /= total;
    }
    return taps;
}

// One pass along rows (horizontal) or columns (vertical) of a resampling
// with a tent filter as wide as one output pixel (linear interpolation where
// it enlarges).
Image Pass(const Image& in, int width, int height, bool horizontal) {
    Image out(width, height);
    const auto taps = horizontal ? Taps(in.width, width) : Taps(in.height, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float* p = out.Pixel(x, y);
            for (const Tap& tap : taps[horizontal ? x : y]) {
                const float* q = horizontal ? in.Pixel(tap.index, y) : in.Pixel(x, tap.index);
                for (int c = 0; c < 4; ++c)
                    p[c] += q[c] * tap.weight;
            }
        }
    }
    return out;
}

} // namespace

int NearestPowerOfTwo(int n) {
    int lower = 1;
    while (lower * 2 <= n)
        lower *= 2;
    // Nearer in ratio: n / lower against 2 lower / n (lower itself when it is n).
    return static_cast<double>(n) * n < 2.0 * lower * lower ? lower : 2 * lower;
}

Image ForTextureLoader(const Image& image) {
    const int width = NearestPowerOfTwo(image.width);
    const int height = NearestPowerOfTwo(image.height);
    if (width == image.width && height == image.height)
        return image;
    return Pass(Pass(image, width, image.height, true), width, height, false);
}
