#include "app/globals.h"
#include "app/timeline.h"
#include "scenes/scene_steps.h"
#include "scenes/scenes.h"

namespace {

// The title goes through riProgram, alpha-blended: Begin binds everything so
// that the caller may set the program's uniforms, End draws and unbinds.
void BeginAnimatedTitle() {
    titleTexture.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    riProgram.Bind();
}

void EndAnimatedTitle() {
    DrawTexturedQuad();
    riProgram.Unbind();
    glDisable(GL_BLEND);
    titleTexture.Unbind();
}

} // namespace

void RenderAnimatedTitleScene(double musicTime) {
    const double t = musicTime - kTitleStart;
    music.ReadSpectrum();

    // The same field as the opening, its rotation started afresh.
    DrawLineField(t);

    // The animated title into the target: "a" rises over four seconds and
    // holds, "p" keeps rising.
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    BeginAnimatedTitle();
    riProgram.SetUniform1f("a", static_cast<float>(t <= 4.0 ? t * 0.25 * 0.5 : 0.5));
    riProgram.SetUniform1f("p", 0.05f * static_cast<float>(t));
    EndAnimatedTitle();
    renderTarget.Unbind();

    DrawPostPass(0.5f, 0.5f, 500, 1.0f, 1.0f, 1.0f, 1.0f);

    // Again on the window, in the white the screen quad left; the program
    // still holds this frame's "a" and "p".
    BeginAnimatedTitle();
    EndAnimatedTitle();

    // Down to black over the last three seconds, into the wave grid.
    if (t > 19.0)
        DrawFade(static_cast<float>((t - 19.0) / 3.0));
}
