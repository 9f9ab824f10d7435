#include "gfx/image_bounds.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Texel columns [first, end) of one axis that hold something.
struct Span {
    int first, end;
};

// The content's box in level-0 texels; first > end when there is none.
void FindContent(const unsigned char* rgba, int width, int height, Span& columns, Span& rows) {
    columns = {width, 0};
    rows = {height, 0};
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = rgba + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            const unsigned char* t = row + x * 4;
            if ((t[0] | t[1] | t[2] | t[3]) == 0)
                continue;
            columns.first = std::min(columns.first, x);
            columns.end = std::max(columns.end, x + 1);
            rows.first = std::min(rows.first, y);
            rows.end = std::max(rows.end, y + 1);
        }
    }
}

// A texel of `level` averages a block of level-0 texels, and a bilinear read
// at that level reaches half a texel past the texels it mixes; the span is
// widened to whole blocks, then by one more block on each side for the half
// texel and the driver's rounding of coordinates.
Span Widen(Span span, int size, int level) {
    const int levelSize = std::max(1, size >> level);
    const int block = size / levelSize;
    const int first = (span.first / block - 1) * block;
    const int end = ((span.end - 1) / block + 2) * block;
    return {std::max(first, 0), std::min(end, size)};
}

// Log2 of a power of two or the next one below.
int FloorLog2(int value) {
    int log = 0;
    while (value > 1) {
        value >>= 1;
        ++log;
    }
    return log;
}

} // namespace

int CoarsestMipLevel(int texWidth, int texHeight, float quadWidth, float quadHeight) {
    const int last = FloorLog2(std::max(texWidth, texHeight));
    if (!(quadWidth > 0.0f) || !(quadHeight > 0.0f))
        return last;
    // Texels per pixel along the axis that shrinks most; a quad the texture
    // magnifies (rho <= 1) still reads level 1 in the margin.
    const double rho = std::max(texWidth / double(quadWidth), texHeight / double(quadHeight));
    const double lambda = std::log2(rho);
    const int finest = lambda > 0.0 ? static_cast<int>(std::floor(lambda)) : 0;
    // LINEAR_MIPMAP_LINEAR mixes `finest` and the level above; one more for
    // the margin.
    return std::min(finest + 2, last);
}

TexBox ImageContentBox(const unsigned char* rgba, int width, int height, float quadWidth,
                       float quadHeight) {
    Span columns, rows;
    FindContent(rgba, width, height, columns, rows);
    if (columns.first >= columns.end)
        return {};
    const int level = CoarsestMipLevel(width, height, quadWidth, quadHeight);
    columns = Widen(columns, width, level);
    rows = Widen(rows, height, level);
    return {float(columns.first) / width, float(rows.first) / height, float(columns.end) / width,
            float(rows.end) / height};
}

TexBox TextureContentBox(GLuint texture, float quadWidth, float quadHeight) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    TexBox box;
    if (width > 0 && height > 0) {
        std::vector<unsigned char> texels(static_cast<size_t>(width) * height * 4);
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        glPopClientAttrib();
        box = ImageContentBox(texels.data(), width, height, quadWidth, quadHeight);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    return box;
}

namespace {

// Window pixels [first, end) of one axis that a quad spanning `origin`,
// `size` scaled by `scale` about its centre covers between texture
// coordinates lo and hi, a pixel wider on each side, within the viewport.
Span AxisPixels(float lo, float hi, int origin, int size, float scale) {
    const double centre = origin + 0.5 * size;
    const double from = centre + scale * size * (lo - 0.5);
    const double to = centre + scale * size * (hi - 0.5);
    const int first = static_cast<int>(std::floor(std::min(from, to))) - 1;
    const int end = static_cast<int>(std::ceil(std::max(from, to))) + 1;
    return {std::max(first, origin), std::min(end, origin + size)};
}

} // namespace

ScissorRect QuadScissor(const TexBox& box, int x, int y, int width, int height, float scaleX,
                        float scaleY) {
    if (box.Empty())
        return {};
    const Span columns = AxisPixels(box.s0, box.s1, x, width, scaleX);
    const Span rows = AxisPixels(box.t0, box.t1, y, height, scaleY);
    if (columns.first >= columns.end || rows.first >= rows.end)
        return {};
    return {columns.first, rows.first, columns.end - columns.first, rows.end - rows.first};
}
