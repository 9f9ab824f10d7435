// A TrueType font rasterised into coverage masks, and the faces the images use.
//
// Text is laid out on one line with the font's kerning plus an optional
// tracking (extra pixels between letters). Sizes are pixel heights of the
// font's full ascent-to-descent range.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mask.h"

// The ink rectangle of a line of text, relative to its pen start and baseline
// (y grows downwards, so the top is negative).
struct InkBox {
    float left = 0, top = 0, right = 0, bottom = 0;
    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
};

class Font {
  public:
    Font();
    ~Font();

    // False when the file is missing or not a font.
    bool Load(const std::string& path);

    InkBox Measure(const std::string& text, float pixelHeight, float tracking = 0.0f) const;
    // Pen starts at x, baseline at y.
    void Draw(Mask& target, const std::string& text, float pixelHeight, float x, float y,
              float tracking = 0.0f) const;
    // Places the ink rectangle's centre at (cx, cy); returns where the ink went.
    InkBox DrawCentred(Mask& target, const std::string& text, float pixelHeight, float cx, float cy,
                       float tracking = 0.0f) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The largest pixel height at which text fits both maxWidth and maxHeight of ink.
float FitPixelHeight(const Font& font, const char* text, float maxWidth, float maxHeight,
                     float trackingPerPixel = 0.0f);
// Draws text at the height FitPixelHeight gives, its ink centred on (cx, cy);
// returns where the ink went.
InkBox DrawFitted(Mask& target, const Font& font, const char* text, float maxWidth, float maxHeight,
                  float cx, float cy, float trackingPerPixel = 0.0f);

// The faces the images are set in, all from the Debian package fonts-dejavu-core.
struct FontSet {
    Font sans, sansBold, sansLight, condensedBold, serifBold, serifBoldItalic, monoBold;
};

// Loads every face from fontDir; false (with a message naming the file)
// when one is missing.
bool LoadFontSet(FontSet& fonts, const std::string& fontDir);
