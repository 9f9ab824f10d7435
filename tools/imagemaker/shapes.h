// Anti-aliased geometric coverage: discs, rings and soft radial falloffs.
#pragma once

#include "mask.h"

// A filled disc of radius r centred at (cx, cy), with a one-pixel soft edge.
void FillDisc(Mask& m, float cx, float cy, float r);
// Coverage of a smooth radial glow: 1 at the centre, falling to exactly 0 at
// radius r with zero slope there, so no ring shows at the edge.
float GlowFalloff(float distance, float r);
// A horizontal rule from x0 to x1 whose rows start at y, thickness rows
// tall, fading out towards both ends over a quarter of its length.
void FillRule(Mask& m, float x0, float x1, int y, int thickness);
