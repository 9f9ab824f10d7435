#include "font.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>

// The one translation unit that compiles the font rasteriser.
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

struct Font::Impl {
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
};

Font::Font() : impl_(std::make_unique<Impl>()) {}
Font::~Font() = default;

bool Font::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    impl_->data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (impl_->data.empty())
        return false;
    int offset = stbtt_GetFontOffsetForIndex(impl_->data.data(), 0);
    return offset >= 0 && stbtt_InitFont(&impl_->info, impl_->data.data(), offset) != 0;
}

namespace {

// Calls visit(codepoint, penX) for each character of an ASCII/Latin-1 line.
template <typename Visit>
void Layout(const stbtt_fontinfo& info, const std::string& text, float scale, float tracking,
            Visit visit) {
    float pen = 0.0f;
    for (size_t i = 0; i < text.size(); ++i) {
        int cp = static_cast<unsigned char>(text[i]);
        visit(cp, pen);
        int advance = 0, bearing = 0;
        stbtt_GetCodepointHMetrics(&info, cp, &advance, &bearing);
        pen += advance * scale + tracking;
        if (i + 1 < text.size())
            pen += scale * stbtt_GetCodepointKernAdvance(&info, cp,
                                                         static_cast<unsigned char>(text[i + 1]));
    }
}

} // namespace

InkBox Font::Measure(const std::string& text, float pixelHeight, float tracking) const {
    float scale = stbtt_ScaleForPixelHeight(&impl_->info, pixelHeight);
    InkBox box{1e9f, 1e9f, -1e9f, -1e9f};
    Layout(impl_->info, text, scale, tracking, [&](int cp, float pen) {
        int x0, y0, x1, y1;
        stbtt_GetCodepointBitmapBoxSubpixel(&impl_->info, cp, scale, scale, pen - std::floor(pen),
                                            0, &x0, &y0, &x1, &y1);
        if (x1 <= x0)
            return; // a space has no ink
        box.left = std::min(box.left, std::floor(pen) + x0);
        box.right = std::max(box.right, std::floor(pen) + x1);
        box.top = std::min(box.top, static_cast<float>(y0));
        box.bottom = std::max(box.bottom, static_cast<float>(y1));
    });
    if (box.right < box.left)
        return InkBox{};
    return box;
}

void Font::Draw(Mask& target, const std::string& text, float pixelHeight, float x, float y,
                float tracking) const {
    float scale = stbtt_ScaleForPixelHeight(&impl_->info, pixelHeight);
    std::vector<unsigned char> glyph;
    // Whole-pixel origin keeps Measure and Draw in agreement; the sub-pixel
    // part of the pen is passed on to the rasteriser.
    float fx = std::floor(x);
    int by = static_cast<int>(std::lround(y));
    Layout(impl_->info, text, scale, tracking, [&](int cp, float pen) {
        float shift = pen - std::floor(pen);
        int x0, y0, x1, y1;
        stbtt_GetCodepointBitmapBoxSubpixel(&impl_->info, cp, scale, scale, shift, 0, &x0, &y0, &x1,
                                            &y1);
        int w = x1 - x0, h = y1 - y0;
        if (w <= 0 || h <= 0)
            return;
        glyph.assign(static_cast<size_t>(w) * h, 0);
        stbtt_MakeCodepointBitmapSubpixel(&impl_->info, glyph.data(), w, h, w, scale, scale, shift,
                                          0, cp);
        int ox = static_cast<int>(fx + std::floor(pen)) + x0;
        int oy = by + y0;
        for (int gy = 0; gy < h; ++gy)
            for (int gx = 0; gx < w; ++gx) {
                int px = ox + gx, py = oy + gy;
                if (px < 0 || py < 0 || px >= target.width || py >= target.height)
                    continue;
                float v = glyph[static_cast<size_t>(gy) * w + gx] / 255.0f;
                target.Ref(px, py) = std::max(target.Ref(px, py), v);
            }
    });
}

InkBox Font::DrawCentred(Mask& target, const std::string& text, float pixelHeight, float cx,
                         float cy, float tracking) const {
    InkBox ink = Measure(text, pixelHeight, tracking);
    float x = std::floor(cx - (ink.left + ink.right) * 0.5f);
    float y = std::round(cy - (ink.top + ink.bottom) * 0.5f);
    Draw(target, text, pixelHeight, x, y, tracking);
    return InkBox{x + ink.left, y + ink.top, x + ink.right, y + ink.bottom};
}

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

bool LoadFontSet(FontSet& fonts, const std::string& fontDir) {
    const std::pair<Font*, const char*> faces[] = {
        {&fonts.sans, "DejaVuSans.ttf"},
        {&fonts.sansBold, "DejaVuSans-Bold.ttf"},
        {&fonts.sansLight, "DejaVuSans-ExtraLight.ttf"},
        {&fonts.condensedBold, "DejaVuSansCondensed-Bold.ttf"},
        {&fonts.serifBold, "DejaVuSerif-Bold.ttf"},
        {&fonts.serifBoldItalic, "DejaVuSerif-BoldItalic.ttf"},
        {&fonts.monoBold, "DejaVuSansMono-Bold.ttf"},
    };
    for (const auto& [font, file] : faces) {
        std::string path = fontDir + "/" + file;
        if (!font->Load(path)) {
            std::fprintf(stderr, "cannot load font %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
