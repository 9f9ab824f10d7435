// Every image of the production, each drawn by one function.
//
// Sizes follow the quads that show them: 16:9 for full-viewport images,
// 7:1 for the caption and greeting strips, squares for the loading image and
// the particle sprite. Strip and credits images are opaque black where
// empty because the scenes add them onto the picture; the title is the only
// see-through image and is blended by its alpha.
#pragma once

#include <algorithm>

#include "font.h"
#include "image.h"

constexpr int kWideWidth = 1024, kWideHeight = 576;
constexpr int kStripWidth = 896, kStripHeight = 128;
constexpr int kLoadingSize = 256;
constexpr int kSpriteSize = 64;
constexpr int kIconSize = 256;

Image MakeLoadingImage(const FontSet& fonts);
Image MakeTitleImage(const FontSet& fonts);
Image MakeCaptionImage(const FontSet& fonts);
Image MakeGreetingsImage(const FontSet& fonts);
Image MakeCreditsImage(const FontSet& fonts);
Image MakeSpriteImage();
// The desktop entry's icon; not part of resource/.
Image MakeIconImage(const FontSet& fonts);

// The six group logos, in the order the greetings show them.
Image MakeAmbreluneLogo(const FontSet& fonts);
Image MakeCorvattisLogo(const FontSet& fonts);
Image MakeDuskweldLogo(const FontSet& fonts);
Image MakeRivenholdLogo(const FontSet& fonts);
Image MakeSorrelgateLogo(const FontSet& fonts);
Image MakeTamberlynLogo(const FontSet& fonts);

// The palette of the title: white letters, the warm tips and the teal glow
// of the line field.
constexpr Colour kWhite{1.0f, 1.0f, 1.0f};
constexpr Colour kWarm{1.0f, 0.62f, 0.28f};
constexpr Colour kTeal{0.15f, 0.7f, 0.85f};

// Where `at` lies from start to start + length, as 0..1 (a length under one
// pixel counts as one).
inline float Along(float at, float start, float length) {
    return std::clamp((at - start) / std::max(1.0f, length), 0.0f, 1.0f);
}
// Shades for Image::PaintShaded: one colour to the other down or across the
// ink. `eased` squares the position, so the first colour holds longer.
inline auto Downwards(InkBox ink, Colour top, Colour bottom, bool eased = false) {
    return [=](int, int y) {
        float f = Along(y, ink.top, ink.Height());
        return Mix(top, bottom, eased ? f * f : f);
    };
}
inline auto Across(InkBox ink, Colour left, Colour right) {
    return [=](int x, int) { return Mix(left, right, Along(x, ink.left, ink.Width())); };
}
