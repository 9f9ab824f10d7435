#include "tools/rbbench/test_pictures.h"

#include "scenes/scene_steps.h"

void DrawLineFieldPicture(RenderTarget& target, const std::vector<LineSegment>& field, float angle,
                          float lowLevel) {
    DrawLineField(target, field, angle, lowLevel, 1.0f); // at the window's scale
    target.Unbind();
}

// The greetings' camera, without the scene's plain copy and glow around it.
void DrawParticlePicture(RenderTarget& target, ParticleSystem& particles, float angle) {
    target.Bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadCloudView(angle);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    particles.Draw();
    glDisable(GL_BLEND);
    LoadIdentityMatrices();
    target.Unbind();
}
