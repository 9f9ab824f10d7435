// The steps the scenes share: the off-screen line field, the post pass to the
// window, the full-screen image quad, the added image strip and the fade.
// Each returns with the GL state every scene leaves behind (window
// framebuffer and viewport, depth test, blending and texturing off, texture
// 0, no program, modelview selected, both matrices identity) unless it says
// otherwise.
#pragma once

#include "gfx/image_bounds.h"
#include "gfx/render_target.h" // DrawTexturedQuad
#include "gfx/shader.h"
#include "gfx/texture.h"
#include "scenes/scene_data.h"

#include <vector>

// The uniforms of the "rb" post program: the point the zoom blur streaks
// away from ("o", in texture coordinates), its strength ("s") and the colour
// it multiplies by ("c").
struct PostUniforms {
    float originX, originY;
    int strength;
    float colour[4];
};

// Loads identity and the one lens of every 3-D pass (60 degrees, 16:9,
// 0.1 to 1000, whatever the target's size); leaves the projection selected.
void LoadPerspective();
// The particle cloud's camera: the lens, then a view from (10, 10, 10) onto
// the centre, turned by `angle` degrees about each axis; leaves the
// modelview selected.
void LoadCloudView(float angle);
// Loads identity into the projection and then the modelview matrix, leaving
// the modelview selected.
void LoadIdentityMatrices();
// Binds the target, clears it and draws the field turned by `angle` degrees
// about each axis, its tips pushed out by the low band, in strokes 4 pixels
// wide times pixelScale; leaves the target bound, depth test off and both
// matrices identity.
void DrawLineField(RenderTarget& target, const std::vector<LineSegment>& field, double angle,
                   float lowLevel, float pixelScale);
// Draws the target's picture over the cleared window through the post program.
void DrawPostPass(RenderTarget& target, Shader& postProgram, const PostUniforms& uniforms);
// The target's picture copied onto the cleared window as it is; leaves the
// target's texture bound and enabled for AddGlow.
void DrawPlainCopy(RenderTarget& target);
// The post program's output added onto the window (after DrawPlainCopy);
// unbinds the target's texture.
void AddGlow(RenderTarget& target, Shader& postProgram, const PostUniforms& uniforms);
// Draws the texture over the whole viewport, alpha-blended; within `area`
// (scissored) where one is given.
void DrawImageQuad(Texture& texture, const ScissorRect* area = nullptr);
// Adds the texture onto the picture at the given grey level, over a quad
// scaled to sx by sy of the viewport about its centre (the scale stays on the
// modelview matrix). With `skipNoOp`, level 0 draws nothing (it would add
// black) and leaves the same state; within `area` where one is given.
void DrawAddedImage(Texture& texture, float sx, float sy, float level, bool skipNoOp = false,
                    const ScissorRect* area = nullptr);
// Multiplies every pixel of the viewport by 1 - alpha (alpha clamped to [0, 1]).
// With `skipNoOp`, alpha 0 draws nothing (it would multiply by one) and
// leaves the same state.
void DrawFade(float alpha, bool skipNoOp = false);
// Turns the scissor test on around `area`, in the bound framebuffer's
// pixels; nothing for a null area, which stands for the whole quad.
void BeginArea(const ScissorRect* area);
// Turns it off again after BeginArea.
void EndArea(const ScissorRect* area);
