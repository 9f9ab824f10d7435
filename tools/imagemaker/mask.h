// A single-channel coverage map (0 = empty, 1 = covered), the operations the
// image maker builds its glows, shadows and outlines from, and the shapes it
// draws.
#pragma once

#include <cstddef>
#include <vector>

struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> value; // row 0 at the top

    Mask(int w, int h);

    float At(int x, int y) const;
    float& Ref(int x, int y) { return value[static_cast<std::size_t>(y) * width + x]; }
};

// Gaussian-like blur of the given standard deviation in pixels (three box
// passes per axis); pixels outside the mask count as empty.
Mask Blurred(const Mask& m, float sigma);
// Each value multiplied by gain and clamped to [0, 1]; a blurred mask made
// this way becomes a soft thick outline.
Mask Amplified(const Mask& m, float gain);
// Per-pixel maximum / difference of two masks of the same size.
Mask Union(const Mask& a, const Mask& b);
Mask Minus(const Mask& a, const Mask& b);
// Moves the mask by whole pixels; what moves in from outside is empty.
Mask Shifted(const Mask& m, int dx, int dy);
// Fills the rectangle [x0, x1) × [y0, y1) with coverage v (anti-aliased edges
// are not needed: callers use whole pixels).
void FillRect(Mask& m, int x0, int y0, int x1, int y1, float v = 1.0f);
// A filled disc of radius r centred at (cx, cy), with a one-pixel soft edge.
void FillDisc(Mask& m, float cx, float cy, float r);
// A horizontal rule from x0 to x1 whose rows start at y, thickness rows
// tall, fading out towards both ends over a quarter of its length.
void FillRule(Mask& m, float x0, float x1, int y, int thickness);
// Coverage of a smooth radial glow: 1 at the centre, falling to exactly 0 at
// radius r with zero slope there, so no ring shows at the edge.
float GlowFalloff(float distance, float r);
