#include "tools/render/box_reduce.h"

namespace {

// The factor and the pixel size as constants, so that the block loops unroll
// and the division becomes a multiplication: this runs over every drawn
// pixel of a supersampled frame.
template <int Factor, int Channels>
void Reduce(const unsigned char* from, long fromStride, int width, int height, unsigned char* to,
            long toStride) {
    constexpr unsigned kArea = Factor * Factor;
    for (int y = 0; y < height; ++y) {
        const unsigned char* block = from + static_cast<long>(y) * Factor * fromStride;
        unsigned char* out = to + static_cast<long>(y) * toStride;
        for (int x = 0; x < width; ++x) {
            unsigned sum[3] = {0, 0, 0};
            for (int dy = 0; dy < Factor; ++dy) {
                const unsigned char* p = block + dy * fromStride + x * Factor * Channels;
                for (int dx = 0; dx < Factor; ++dx)
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[dx * Channels + c];
            }
            for (int c = 0; c < 3; ++c)
                out[x * 3 + c] = static_cast<unsigned char>((sum[c] + kArea / 2) / kArea);
        }
    }
}

} // namespace

void BoxReduce(const unsigned char* from, long fromStride, int channels, int factor, int width,
               int height, unsigned char* to, long toStride) {
    using Reducer = void (*)(const unsigned char*, long, int, int, unsigned char*, long);
    // RGB, then RGBA; each by factor 1 to 4.
    static constexpr Reducer kReducers[2][4] = {
        {Reduce<1, 3>, Reduce<2, 3>, Reduce<3, 3>, Reduce<4, 3>},
        {Reduce<1, 4>, Reduce<2, 4>, Reduce<3, 4>, Reduce<4, 4>},
    };
    kReducers[channels == 4][factor - 1](from, fromStride, width, height, to, toStride);
}
