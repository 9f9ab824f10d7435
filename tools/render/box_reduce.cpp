#include "tools/render/box_reduce.h"

void BoxReduce(const unsigned char* from, int fromStride, int factor, int width, int height,
               unsigned char* to, int toStride) {
    const unsigned area = static_cast<unsigned>(factor * factor);
    for (int y = 0; y < height; ++y) {
        unsigned char* out = to + static_cast<long>(y) * toStride;
        const unsigned char* block = from + static_cast<long>(y) * factor * fromStride;
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                unsigned sum = 0;
                for (int dy = 0; dy < factor; ++dy) {
                    const unsigned char* row = block + dy * fromStride + x * factor * 3 + c;
                    for (int dx = 0; dx < factor; ++dx)
                        sum += row[dx * 3];
                }
                out[x * 3 + c] = static_cast<unsigned char>((sum + area / 2) / area);
            }
        }
    }
}
