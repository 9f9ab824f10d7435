// Wide lines as two triangles each, by the rasterisation rule of aliased
// wide lines as the rasteriser applies it: the width rounded to a whole
// number; an x-major line (|dx| >= |dy|) becomes a parallelogram with
// vertical ends offset by ±w/2 in y (y-major: x and y swapped); the ends
// follow the diamond-exit rule; the corners are snapped to the 1/256-pixel
// grid; colour and depth are constant across the line and perspective-
// correct along it. Lines are clipped against the view volume before they
// are widened. Pure functions; the caller draws the corners (gles/draw.h).
#pragma once

#include "gles/vertex_transform.h"

// A corner of the widened line, ready for GLES: clip coordinates relative to
// the viewport widened by `margin` pixels on every side (so that nothing of
// the line is clipped by GLES), and the colour there.
struct LineCorner {
    float clip[4];
    float color[4];
};

// Clips the line a-b (clip coordinates and colours) to the view volume and
// gives both ends their window coordinates: an end inside keeps its own (the
// vertex stage's fused arithmetic), an end outside moves onto the volume (the
// clipper's unfused arithmetic). False when nothing of the line is inside,
// found before any window coordinate is worked out.
bool ClipLine(const ViewportMap& map, WindowVertex& a, WindowVertex& b);

// A line's lower long edge for a shader that covers it (WidenLine).
struct LineQuad {
    float edge[4];
};

// Added to the first major coordinate of a y-major line's quad.
constexpr float kYMajorOffset = 16384.0f;

// The four corners of the line a-b of `width` pixels, drawn as the
// triangles (0 1 2) and (0 2 3); false for a line of no length. With `quad`,
// for a fragment shader that chooses the pixels itself: the corners grown
// by an eighth of a pixel all round, and in quad[0..3] the line's lower
// long edge in the rasteriser's sample space (window less half a pixel): the major, then the
// minor coordinate of the corner v1-, then of v2-, the first raised by
// kYMajorOffset for a y-major line.
bool WidenLine(const ViewportMap& map, const WindowVertex& a, const WindowVertex& b, float width,
               float margin, LineCorner out[4], float* quad = nullptr);
