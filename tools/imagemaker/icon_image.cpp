// The desktop icon: the title's letter on a dark rounded tile, in the title's
// colours, so the menu entry looks like the production it starts.
#include <algorithm>
#include <cmath>

#include "images.h"

namespace {

constexpr Colour kTile{0.03f, 0.04f, 0.08f};

// A square of side `size` with corners rounded to `radius`, anti-aliased over
// one pixel; the corners outside it stay clear.
Mask RoundedTile(int size, float radius) {
    Mask m(size, size);
    const float half = size / 2.0f, inner = half - radius;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float dx = std::max(std::fabs(x + 0.5f - half) - inner, 0.0f);
            float dy = std::max(std::fabs(y + 0.5f - half) - inner, 0.0f);
            m.Ref(x, y) = std::clamp(radius - std::hypot(dx, dy) + 0.5f, 0.0f, 1.0f);
        }
    return m;
}

} // namespace

Image MakeIconImage(const FontSet& fonts) {
    Image img(kIconSize, kIconSize);
    img.Fill(kTile, 0.0f);
    const Mask tile = RoundedTile(kIconSize, kIconSize * 0.18f);
    img.Paint(tile, kTile);
    Mask letter(kIconSize, kIconSize);
    InkBox ink =
        fonts.sansBold.DrawCentred(letter, "z", 230.0f, kIconSize / 2.0f, kIconSize / 2.0f - 8.0f);
    // The glow stays on the tile, never in the clear corners.
    Mask glow = Blurred(letter, 14.0f);
    for (size_t i = 0; i < glow.value.size(); ++i)
        glow.value[i] = std::min(glow.value[i], tile.value[i]);
    img.Add(glow, kTeal, 1.1f);
    img.PaintShaded(letter, Downwards(ink, kWhite, kWarm, true));
    Mask rule(kIconSize, kIconSize);
    FillRule(rule, ink.left - 10.0f, ink.right + 10.0f, static_cast<int>(ink.bottom) + 18, 8);
    img.Paint(rule, kWarm);
    return img;
}
