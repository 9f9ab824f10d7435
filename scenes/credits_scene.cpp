// The credits: one image added onto black, fading in and out by its track.
#include "scenes/image_areas.h"
#include "scenes/pass.h"
#include "scenes/production.h"
#include "scenes/scene_steps.h"

#include <iterator>

namespace {

// Added onto black, the image shows its colours whatever its alpha holds.
// Leaves: the shared state, colour white.
void Credits(Production& p, const SceneFrame&) {
    glClear(GL_COLOR_BUFFER_BIT);
    LoadIdentityMatrices();
    glDisable(GL_DEPTH_TEST);
    p.creditsTexture.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor3f(1.0f, 1.0f, 1.0f);
    const ScissorRect* within = AreaFor(p, p.areas.credits);
    BeginArea(within);
    DrawTexturedQuad();
    EndArea(within);
    glDisable(GL_BLEND);
    p.creditsTexture.Unbind();
}

// Leaves: the shared state, colour black with the fade's alpha.
void Fade(Production& p, const SceneFrame& f) {
    DrawFade(static_cast<float>(p.tracks.creditsFadeTrack.Evaluate(f.t)), !p.allPasses);
}

const Pass kPasses[] = {
    {"window clear + credits quad", Credits},
    {"fade", Fade},
};

} // namespace

PassList CreditsScene() {
    return {kPasses, std::size(kPasses)};
}
