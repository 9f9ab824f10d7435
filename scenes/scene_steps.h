// The frame all scenes share: the off-screen line field pass, the post pass to
// the window, the full-screen image quad and the fade. Each returns with the
// GL state every renderer leaves behind (window framebuffer and viewport,
// depth test, blending and texturing off, texture 0, no program, modelview
// selected, both matrices identity) unless it says otherwise.
#pragma once

#include "gfx/render_target.h" // DrawTexturedQuad
#include "gfx/texture.h"

// Loads identity and the one lens of every 3-D pass (60 degrees, 16:9,
// 0.1 to 1000, whatever the target's size); leaves the projection selected.
void LoadPerspective();
// Loads identity into the projection and then the modelview matrix, leaving
// the modelview selected.
void LoadIdentityMatrices();
// Binds the render target, clears it and draws the line field turned by
// `angle` degrees about each axis; leaves the target bound, depth test off and
// both matrices identity.
void DrawLineField(double angle);
// Draws the render target's picture over the cleared window through rbProgram.
void DrawPostPass(float ox, float oy, int s, float cr, float cg, float cb, float ca);
// Draws the texture over the whole viewport, alpha-blended.
void DrawImageQuad(Texture& texture);
// Adds the texture onto the picture at the given grey level, over a quad
// scaled to sx by sy of the viewport about its centre (the scale stays on the
// modelview matrix).
void DrawAddedImage(Texture& texture, float sx, float sy, float level);
// Multiplies every pixel of the viewport by 1 - alpha (alpha clamped to [0, 1]).
void DrawFade(float alpha);
