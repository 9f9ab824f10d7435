// The fixed-function vertex stage and viewport mapping as the rasteriser
// computes them, on the CPU: clip coordinates summed left to right without
// fusing, the perspective divide as one reciprocal, and the viewport's scale
// and offset as one fused multiply-add. The wide lines need the window
// coordinates exactly; the other primitives go to GLES in clip coordinates,
// which these give as the desktop's vertex stage does. Pure functions.
#pragma once

#include "gles/matrix_math.h"

// window = ndc × scale + offset, per axis (x, y, depth).
struct ViewportMap {
    float scale[3];
    float offset[3];
};

// A vertex after the vertex stage: clip coordinates, window coordinates,
// 1 / w, and its colour.
struct WindowVertex {
    float clip[4];
    float x, y, z, oneOverW;
    float color[4];
};

// The viewport (x, y, width, height) with depth range 0..1; `flipped` for
// targets that store their rows top down (the window and the pbuffer).
ViewportMap MakeViewportMap(const int viewport[4], bool flipped);
void ClipCoordinates(const Matrix& mvp, const float object[4], float clip[4]);
// Window coordinates from clip coordinates: fused (the vertex stage's own)
// or unfused (the clipper's new vertices).
void ToWindow(const ViewportMap& map, WindowVertex& v, bool fused);
