// Scene 2: the same field, its rotation started afresh, with the title
// animated by the "ri" program into the target and again on the window.
#include "scenes/image_areas.h"
#include "scenes/pass.h"
#include "scenes/production.h"
#include "scenes/scene_steps.h"
#include "scenes/shared_passes.h"

#include <iterator>

namespace {

// The title goes through riProgram, alpha-blended: Begin binds everything so
// that the caller may set the program's uniforms, End draws and unbinds.
void BeginAnimatedTitle(Production& p) {
    p.titleTexture.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    p.riProgram.Bind();
}

void EndAnimatedTitle(Production& p, const ScissorRect& area) {
    const ScissorRect* within = AreaFor(p, area);
    BeginArea(within);
    DrawTexturedQuad();
    EndArea(within);
    p.riProgram.Unbind();
    glDisable(GL_BLEND);
    p.titleTexture.Unbind();
}

// "a" rises over four seconds and holds, "p" keeps rising.
// Leaves: the window bound again, colour white, "ri" holding this frame's
// uniforms.
void TitleIntoTarget(Production& p, const SceneFrame& f) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    BeginAnimatedTitle(p);
    p.riProgram.SetUniform1f("a", static_cast<float>(f.t <= 4.0 ? f.t * 0.25 * 0.5 : 0.5));
    p.riProgram.SetUniform1f("p", 0.05f * static_cast<float>(f.t));
    EndAnimatedTitle(p, p.areas.animatedTitleInTarget);
    p.renderTarget.Unbind();
}

// Again on the window, in the white the screen quad left; the program still
// holds this frame's "a" and "p". Leaves: the shared state.
void TitleOnWindow(Production& p, const SceneFrame&) {
    BeginAnimatedTitle(p);
    EndAnimatedTitle(p, p.areas.animatedTitleOnWindow);
}

// Down to black over the last three seconds, into the wave grid.
// Leaves: the shared state (colour black with the fade's alpha once it runs).
void Fade(Production& p, const SceneFrame& f) {
    if (f.t > 19.0)
        DrawFade(static_cast<float>((f.t - 19.0) / 3.0), !p.allPasses);
}

const Pass kPasses[] = {
    {"line field (target clear + 10000 segments, 4 px)", LineFieldPass},
    {"ri title into the target", TitleIntoTarget},
    {"rb post pass (window clear + rb)", CentredPostPass},
    {"ri title on the window", TitleOnWindow},
    {"fade (last 3 s only)", Fade},
};

} // namespace

PassList AnimatedTitleScene() {
    return {kPasses, std::size(kPasses)};
}
