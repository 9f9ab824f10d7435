#include "app/globals.h"
#include "app/timeline.h"
#include "scenes/scene_parts.h"
#include "scenes/scene_steps.h"
#include "scenes/scenes.h"

#include <GL/glu.h>

namespace {

constexpr int kGreetingCount = 7;

} // namespace

void DrawPlainCopy() {
    glClear(GL_COLOR_BUFFER_BIT);
    renderTarget.BindTexture(GL_TEXTURE0);
    DrawScreenQuad();
}

void AddGlow(float midLevel) {
    rbProgram.Bind();
    const float glow = 50.0f * midLevel;
    rbProgram.SetUniform2f("o", 0.5f, 0.5f);
    rbProgram.SetUniform1i("s", PostStrength(midLevel));
    rbProgram.SetUniform4f("c", glow, glow, glow, glow);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    DrawScreenQuad();
    glDisable(GL_BLEND);
    rbProgram.Unbind();
    renderTarget.UnbindTexture();
}

// The cloud, watched from inside, turning about all three axes; drawn
// additively without depth so that it glows where particles crowd.
void DrawCloud(float angle) {
    renderTarget.Bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(10.0, 10.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    glRotatef(angle, 1.0f, 0.0f, 0.0f);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    particleSystem.Draw();
    glDisable(GL_BLEND);
    renderTarget.Unbind();
}

// The tracks never leave 0..6, but an index past either end (or a NaN) must
// not read outside the seven textures.
int GreetingIndex(double value) {
    if (!(value >= 0.0))
        return 0;
    if (value >= kGreetingCount - 1)
        return kGreetingCount - 1;
    return static_cast<int>(value);
}

void RenderGreetingsScene(double musicTime) {
    const double t = musicTime - kGreetingsStart;
    music.ReadSpectrum();

    DrawCloud(static_cast<float>(t));
    // A plain copy of the picture, with the post program's output added on
    // top at a strength that follows the mid band.
    DrawPlainCopy();
    AddGlow(MidLevel());

    // Each image is switched while its grey level is 0.
    const int index = GreetingIndex(greetingIndexTrack.Evaluate(t));
    // The greeting strip, 37.5 % of the picture wide and 9.375 % high.
    DrawAddedImage(greetingTextures[index], 0.375f, 0.09375f,
                   static_cast<float>(greetingBrightnessTrack.Evaluate(t)));
    // The fade's identity load also drops the strip's scale.
    DrawFade(static_cast<float>(greetingsFadeTrack.Evaluate(t)));
}
