// Every image of the production, each drawn by one function.
//
// Sizes follow the quads that show them: 16:9 for full-viewport images,
// 7:1 for the caption and greeting strips, squares for the loading image and
// the particle sprite. Strip and credits images are opaque black where
// empty because the scenes add them onto the picture; the title is the only
// see-through image and is blended by its alpha.
#pragma once

#include "font_set.h"
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

// The largest pixel height at which text fits both maxWidth and maxHeight of ink.
float FitPixelHeight(const Font& font, const char* text, float maxWidth, float maxHeight,
                     float trackingPerPixel = 0.0f);
