// The pictures the post pass is measured and looked at on, drawn into the
// render target much as the scenes draw them: the line field seen from its
// centre, and the particle cloud drawn additively.
#pragma once

#include "gfx/particle_system.h"
#include "gfx/render_target.h"
#include "scenes/scene_data.h"

#include <vector>

void DrawLineFieldPicture(RenderTarget& target, const std::vector<LineSegment>& field, float angle,
                          float lowLevel);
void DrawParticlePicture(RenderTarget& target, ParticleSystem& particles, float angle);
