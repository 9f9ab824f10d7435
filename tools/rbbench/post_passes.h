// The ways the production brings the render target to the window: a plain
// copy (the floor every post pass is measured against), the "rb" pass
// replacing the window (scenes 1 to 3), and the "rb" pass added onto a plain
// copy as a glow (scene 4).
#pragma once

#include "gfx/render_target.h"
#include "gfx/shader.h"

struct RbValues {
    float ox, oy;
    int s;
    float c;
};

void DrawPlainCopy(RenderTarget& target);
void DrawRbPass(RenderTarget& target, Shader& rb, const RbValues& values);
void DrawRbGlow(RenderTarget& target, Shader& rb, const RbValues& values);
