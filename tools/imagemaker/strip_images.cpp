// The strips: the caption, the greetings heading and the six group logos,
// glowing words on black. Each logo has its own face, colours and ornament
// so that they read as different groups even at strip size.
#include <algorithm>
#include <cmath>

#include "images.h"

namespace {

constexpr float kCx = kStripWidth / 2.0f, kCy = kStripHeight / 2.0f;

Image BlackStrip() {
    Image img(kStripWidth, kStripHeight);
    img.Fill({0, 0, 0}, 1.0f);
    return img;
}

} // namespace

Image MakeCaptionImage(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    DrawFitted(text, fonts.sansBold, "pellumin", 620.0f, 72.0f, kCx, kCy, 0.06f);
    // Two glows, wide and warm then tight and bright, make the letters burn.
    img.Add(Blurred(text, 16.0f), {1.0f, 0.45f, 0.12f}, 1.6f);
    img.Add(Blurred(text, 4.0f), {1.0f, 0.75f, 0.4f}, 1.0f);
    img.Paint(text, {1.0f, 0.97f, 0.9f});
    return img;
}

Image MakeGreetingsImage(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    // Condensed bold lets the letters stand tall in the strip; at a third of
    // their drawn size thin strokes would vanish into the particles.
    DrawFitted(text, fonts.condensedBold, "greetings to", 720.0f, 92.0f, kCx, kCy, 0.05f);
    img.Add(Blurred(text, 14.0f), {0.1f, 0.55f, 1.0f}, 1.7f);
    img.Add(Blurred(text, 3.5f), {0.4f, 0.85f, 1.0f}, 1.1f);
    img.Paint(text, {0.94f, 0.99f, 1.0f});
    return img;
}

// Gold italic serif beside a crescent moon.
Image MakeAmbreluneLogo(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    InkBox ink =
        DrawFitted(text, fonts.serifBoldItalic, "ambrelune", 560.0f, 78.0f, kCx + 40.0f, kCy);
    Mask moon(kStripWidth, kStripHeight), bite(kStripWidth, kStripHeight);
    float mx = ink.left - 62.0f;
    FillDisc(moon, mx, kCy, 40.0f);
    FillDisc(bite, mx + 17.0f, kCy - 10.0f, 35.0f);
    Mask crescent = Minus(moon, bite);
    Mask both = Union(text, crescent);
    img.Add(Blurred(both, 10.0f), {1.0f, 0.55f, 0.1f}, 1.3f);
    img.PaintShaded(text, Downwards(ink, {1.0f, 0.92f, 0.55f}, {0.95f, 0.55f, 0.12f}));
    img.Paint(crescent, {1.0f, 0.9f, 0.6f});
    return img;
}

// Wide-tracked capitals in square brackets, cut by scan lines.
Image MakeCorvattisLogo(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    InkBox ink = DrawFitted(text, fonts.monoBold, "[CORVATTIS]", 760.0f, 72.0f, kCx, kCy, 0.1f);
    img.Add(Blurred(text, 9.0f), {0.1f, 0.85f, 1.0f}, 1.6f);
    img.Add(Blurred(text, 2.5f), {0.3f, 0.9f, 1.0f}, 0.8f);
    // Shallow scan lines: deep ones would grey the letters out at strip size.
    for (int y = 3; y < kStripHeight; y += 4)
        for (int x = 0; x < kStripWidth; ++x)
            text.Ref(x, y) *= 0.45f;
    img.PaintShaded(text, Across(ink, {0.7f, 1.0f, 1.0f}, {0.35f, 0.75f, 1.0f}));
    return img;
}

// Condensed letters over a sunset horizon of fading bands.
Image MakeDuskweldLogo(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask bands(kStripWidth, kStripHeight);
    for (int i = 0; i < 5; ++i)
        FillRule(bands, 150.0f + i * 30.0f, 746.0f - i * 30.0f, 80 + i * 9, 4 - i / 2);
    img.Add(bands, {0.9f, 0.3f, 0.45f}, 0.8f);
    Mask text(kStripWidth, kStripHeight);
    InkBox ink =
        DrawFitted(text, fonts.condensedBold, "duskweld", 520.0f, 84.0f, kCx, kCy - 4.0f, 0.02f);
    img.Add(Blurred(text, 14.0f), {0.7f, 0.2f, 0.9f}, 1.4f);
    img.Paint(Amplified(Blurred(text, 2.0f), 3.0f), {0, 0, 0});
    img.PaintShaded(text, Downwards(ink, {1.0f, 0.75f, 0.95f}, {1.0f, 0.35f, 0.4f}));
    return img;
}

// Hollow capitals torn in two along a jagged crack, the right part lifted.
Image MakeRivenholdLogo(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    DrawFitted(text, fonts.sansBold, "RIVENHOLD", 660.0f, 72.0f, kCx - 6.0f, kCy + 4.0f, 0.04f);
    // Blurring then keeping only the near-solid part shrinks the letters; the
    // difference from a grown copy leaves a stroke along their edges.
    Mask grown = Amplified(Blurred(text, 1.5f), 2.5f);
    Mask inner = Blurred(text, 3.0f);
    for (float& v : inner.value)
        v = std::clamp((v - 0.8f) * 5.0f, 0.0f, 1.0f);
    Mask outline = Minus(grown, inner);
    const int liftX = 10, liftY = -8;
    Mask liftedOutline = Shifted(outline, liftX, liftY), liftedInner = Shifted(inner, liftX, liftY);
    for (int y = 0; y < kStripHeight; ++y) {
        float zig = std::fabs(std::fmod(static_cast<float>(y), 24.0f) - 12.0f);
        float crack = kCx + 20.0f + (y - kCy) * 0.35f + zig;
        for (int x = 0; x < kStripWidth; ++x) {
            bool right = x > crack + 3.0f, left = x < crack - 3.0f;
            outline.Ref(x, y) = left ? outline.At(x, y) : right ? liftedOutline.At(x, y) : 0.0f;
            inner.Ref(x, y) = left ? inner.At(x, y) : right ? liftedInner.At(x, y) : 0.0f;
        }
    }
    img.Add(Blurred(outline, 6.0f), {0.2f, 1.0f, 0.45f}, 1.6f);
    img.Paint(inner, {0.05f, 0.25f, 0.1f});
    img.Paint(outline, {0.75f, 1.0f, 0.8f});
    return img;
}

// A bold serif between two pillars under an arch: the gate.
Image MakeSorrelgateLogo(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    InkBox ink =
        DrawFitted(text, fonts.serifBold, "sorrelgate", 520.0f, 72.0f, kCx, kCy + 6.0f, 0.03f);
    Mask gate(kStripWidth, kStripHeight);
    int left = static_cast<int>(ink.left) - 36, right = static_cast<int>(ink.right) + 36;
    // Two pillars on wide feet, joined by a lintel with overhanging ends.
    FillRect(gate, left - 9, 18, left, 116);
    FillRect(gate, right, 18, right + 9, 116);
    FillRect(gate, left - 17, 110, left + 8, 118);
    FillRect(gate, right - 8, 110, right + 17, 118);
    FillRect(gate, left - 21, 8, right + 21, 16);
    FillRect(gate, left - 9, 19, right + 9, 22, 0.6f);
    img.Add(Blurred(Union(gate, text), 10.0f), {0.95f, 0.35f, 0.15f}, 1.5f);
    img.Add(Blurred(text, 3.0f), {1.0f, 0.6f, 0.4f}, 0.9f);
    img.Paint(gate, {0.95f, 0.5f, 0.3f});
    img.Paint(text, {1.0f, 0.9f, 0.8f});
    return img;
}

// Widely spaced bold lower case with a dotted line beneath.
Image MakeTamberlynLogo(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    InkBox ink =
        DrawFitted(text, fonts.sansBold, "tamberlyn", 660.0f, 74.0f, kCx, kCy - 9.0f, 0.2f);
    Mask dots(kStripWidth, kStripHeight);
    int count = static_cast<int>(ink.Width() / 30.0f);
    float step = ink.Width() / std::max(1, count);
    for (int i = 0; i <= count; ++i)
        FillDisc(dots, ink.left + i * step, ink.bottom + 16.0f, 5.5f);
    Mask both = Union(text, dots);
    img.Add(Blurred(both, 11.0f), {0.45f, 0.4f, 1.0f}, 1.8f);
    img.Add(Blurred(both, 3.0f), {0.6f, 0.65f, 1.0f}, 1.0f);
    img.PaintShaded(both, Across(ink, {0.85f, 0.92f, 1.0f}, {0.85f, 0.78f, 1.0f}));
    return img;
}
