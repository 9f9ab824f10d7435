#include "gfx/texture_upload.h"

#include <cstdint>

namespace {

int NextPowerOfTwo(int n) {
    int p = 1;
    while (p < n)
        p *= 2;
    return p;
}

Pixels FlipRows(const unsigned char* pixels, int width, int height, int channels) {
    Pixels out{std::vector<unsigned char>(size_t(width) * height * channels), width, height,
               channels};
    const size_t row = size_t(width) * channels;
    for (int y = 0; y < height; ++y)
        std::copy(pixels + (height - 1 - y) * row, pixels + (height - y) * row,
                  out.bytes.begin() + y * row);
    return out;
}

// Where sample `i` of `to` samples lies among `from` samples, first and last
// on first and last. Single precision, the step taken once, exactly as the
// SOIL build computes it: the bytes depend on it.
float SourcePosition(int i, int from, int to) {
    if (to == 1)
        return 0.0f;
    const float step = float(from - 1) / float(to - 1);
    return float(i) * step;
}

// Bilinear, in single precision, the four weighted samples summed in this
// order and rounded half up.
Pixels ScaleTo(const Pixels& in, int width, int height) {
    const int c = in.channels;
    Pixels out{std::vector<unsigned char>(size_t(width) * height * c), width, height, c};
    auto at = [&](int x, int y, int k) {
        return float(in.bytes[(size_t(y) * in.width + x) * c + k]);
    };
    for (int y = 0; y < height; ++y) {
        const float sy = SourcePosition(y, in.height, height);
        const int y0 = int(sy);
        const int y1 = y0 + 1 < in.height ? y0 + 1 : in.height - 1;
        const float fy = sy - float(y0);
        for (int x = 0; x < width; ++x) {
            const float sx = SourcePosition(x, in.width, width);
            const int x0 = int(sx);
            const int x1 = x0 + 1 < in.width ? x0 + 1 : in.width - 1;
            const float fx = sx - float(x0);
            for (int k = 0; k < c; ++k) {
                const float v = at(x0, y0, k) * (1.0f - fx) * (1.0f - fy) +
                                at(x1, y0, k) * fx * (1.0f - fy) +
                                at(x0, y1, k) * (1.0f - fx) * fy + at(x1, y1, k) * fx * fy;
                out.bytes[(size_t(y) * width + x) * c + k] =
                    static_cast<unsigned char>(int(v + 0.5f));
            }
        }
    }
    return out;
}

// Luminance + alpha and RGBA: every colour byte times alpha / 256, rounded.
void MultiplyAlpha(Pixels& image) {
    const int c = image.channels;
    if (c != 2 && c != 4)
        return;
    for (size_t p = 0; p < image.bytes.size(); p += c) {
        const unsigned alpha = image.bytes[p + c - 1];
        for (int k = 0; k < c - 1; ++k)
            image.bytes[p + k] =
                static_cast<unsigned char>((image.bytes[p + k] * alpha + 128) >> 8);
    }
}

GLenum FormatOf(int channels) {
    switch (channels) {
    case 1:
        return GL_LUMINANCE;
    case 2:
        return GL_LUMINANCE_ALPHA;
    case 3:
        return GL_RGB;
    default:
        return GL_RGBA;
    }
}

void TexImage(int level, const Pixels& image) {
    const GLenum format = FormatOf(image.channels);
    glTexImage2D(GL_TEXTURE_2D, level, GLint(format), image.width, image.height, 0, format,
                 GL_UNSIGNED_BYTE, image.bytes.data());
}

} // namespace

Pixels PrepareBaseLevel(const unsigned char* pixels, int width, int height, int channels) {
    // The order counts for the bytes: alpha is multiplied in before scaling.
    Pixels image = FlipRows(pixels, width, height, channels);
    MultiplyAlpha(image);
    const int w = NextPowerOfTwo(width);
    const int h = NextPowerOfTwo(height);
    if (w != width || h != height)
        image = ScaleTo(image, w, h);
    return image;
}

// A level's block sums are the sums of its parent's blocks, so each level
// costs its own size while every byte is still the mean of level 0's block.
std::vector<Pixels> MakeMipmaps(const Pixels& base) {
    const int c = base.channels;
    std::vector<Pixels> levels;
    std::vector<uint32_t> sums(base.bytes.begin(), base.bytes.end());
    int w = base.width;
    int h = base.height;
    uint32_t blockArea = 1;
    while (w > 1 || h > 1) {
        const int bw = w > 1 ? 2 : 1;
        const int bh = h > 1 ? 2 : 1;
        const int nw = w / bw;
        const int nh = h / bh;
        std::vector<uint32_t> next(size_t(nw) * nh * c);
        for (int y = 0; y < nh; ++y)
            for (int x = 0; x < nw; ++x)
                for (int k = 0; k < c; ++k) {
                    uint32_t s = 0;
                    for (int dy = 0; dy < bh; ++dy)
                        for (int dx = 0; dx < bw; ++dx)
                            s += sums[((size_t(y) * bh + dy) * w + x * bw + dx) * c + k];
                    next[(size_t(y) * nw + x) * c + k] = s;
                }
        blockArea *= uint32_t(bw * bh);
        Pixels level{std::vector<unsigned char>(next.size()), nw, nh, c};
        for (size_t i = 0; i < next.size(); ++i)
            level.bytes[i] = static_cast<unsigned char>((next[i] + blockArea / 2) / blockArea);
        levels.push_back(std::move(level));
        sums.swap(next);
        w = nw;
        h = nh;
    }
    return levels;
}

GLuint UploadTexture(const unsigned char* pixels, int width, int height, int channels) {
    const Pixels base = PrepareBaseLevel(pixels, width, height, channels);
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    TexImage(0, base);
    int level = 1;
    for (const Pixels& mip : MakeMipmaps(base))
        TexImage(level++, mip);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    return id;
}
