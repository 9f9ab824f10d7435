// Scene 4: the particle cloud turning about the viewer, a plain copy with a
// glow that follows the mid band, one greeting at a time, the fade.
#include "scenes/greeting_index.h"
#include "scenes/image_areas.h"
#include "scenes/music_levels.h"
#include "scenes/pass.h"
#include "scenes/production.h"
#include "scenes/scene_steps.h"

#include <iterator>

namespace {

// The cloud, watched from inside, turning about all three axes; drawn
// additively without depth so that it glows where particles crowd.
// Leaves: the window bound again, the 3-D matrices loaded.
void Cloud(Production& p, const SceneFrame& f) {
    const float angle = static_cast<float>(f.t);
    p.renderTarget.Bind();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadCloudView(angle);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    p.particleSystem.Draw();
    glDisable(GL_BLEND);
    p.renderTarget.Unbind();
}

// The picture copied onto the cleared window as it is.
// Leaves: the shared state but the target's texture bound and enabled.
void PlainCopy(Production& p, const SceneFrame&) {
    DrawPlainCopy(p.renderTarget);
}

// The post program's output added on top at a strength that follows the mid
// band. Leaves: the shared state, colour white.
void Glow(Production& p, const SceneFrame& f) {
    const float midLevel = MidLevel(f.spectrum);
    const float glow = 50.0f * midLevel;
    AddGlow(p.renderTarget, p.rbProgram,
            {0.5f, 0.5f, PostStrength(midLevel), {glow, glow, glow, glow}});
}

// The greeting strip, 37.5 % of the picture wide and 9.375 % high; each image
// is switched while its grey level is 0.
// Leaves: the shared state but the strip's scale on the modelview matrix.
void Greeting(Production& p, const SceneFrame& f) {
    const int index = GreetingIndex(p.tracks.greetingIndexTrack.Evaluate(f.t));
    DrawAddedImage(p.greetingTextures[index], 0.375f, 0.09375f,
                   static_cast<float>(p.tracks.greetingBrightnessTrack.Evaluate(f.t)), !p.allPasses,
                   AreaFor(p, p.areas.greetings[index]));
}

// The fade's identity load also drops the strip's scale.
// Leaves: the shared state, colour black with the fade's alpha.
void Fade(Production& p, const SceneFrame& f) {
    DrawFade(static_cast<float>(p.tracks.greetingsFadeTrack.Evaluate(f.t)), !p.allPasses);
}

const Pass kPasses[] = {
    {"particle cloud (target clear + sprites)", Cloud},
    {"plain copy (window clear + copy)", PlainCopy},
    {"rb glow added", Glow},
    {"greeting strip", Greeting},
    {"fade", Fade},
};

} // namespace

PassList GreetingsScene() {
    return {kPasses, std::size(kPasses)};
}
