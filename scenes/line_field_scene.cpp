// Scene 1, the opening, and the closing that replays it: the line field
// breathing with the bass, the title laid into it and over it, the fade.
#include "scenes/image_areas.h"
#include "scenes/music_levels.h"
#include "scenes/pass.h"
#include "scenes/production.h"
#include "scenes/scene_steps.h"
#include "scenes/shared_passes.h"

#include <iterator>

void LineFieldPass(Production& p, const SceneFrame& f) {
    DrawLineField(p.renderTarget, p.lineField, f.t, LowLevel(f.spectrum), p.pixelScale);
}

void CentredPostPass(Production& p, const SceneFrame&) {
    DrawPostPass(p.renderTarget, p.rbProgram, {0.5f, 0.5f, 500, {1.0f, 1.0f, 1.0f, 1.0f}});
}

namespace {

// The title laid into the picture the post program processes.
// Leaves: the window bound again, colour white.
void TitleIntoTarget(Production& p, const SceneFrame&) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawImageQuad(p.titleTexture, AreaFor(p, p.areas.titleInTarget));
    p.renderTarget.Unbind();
}

// The title once more, crisp over the processed picture.
// Leaves: the shared state.
void TitleOnWindow(Production& p, const SceneFrame&) {
    DrawImageQuad(p.titleTexture, AreaFor(p, p.areas.titleOnWindow));
}

// Out of black over the first ten seconds; later times (the closing) give a
// negative alpha, which leaves the frame alone.
// Leaves: the shared state, colour black with the fade's alpha.
void OpeningFade(Production& p, const SceneFrame& f) {
    DrawFade(1.0f - 0.1f * static_cast<float>(f.t), !p.allPasses);
}

// The closing's own fade, on music time. Leaves: as OpeningFade.
void ClosingFade(Production& p, const SceneFrame& f) {
    DrawFade(static_cast<float>(p.tracks.closingFadeTrack.Evaluate(f.t)), !p.allPasses);
}

const Pass kOpening[] = {
    {"line field (target clear + 10000 segments, 4 px)", LineFieldPass},
    {"title quad into the target", TitleIntoTarget},
    {"rb post pass (window clear + rb)", CentredPostPass},
    {"title quad on the window", TitleOnWindow},
    {"fade", OpeningFade},
};

// The opening again, going on from where the music time puts it; its own
// fade has long passed.
const Pass kClosing[] = {
    {"line field (target clear + 10000 segments, 4 px)", LineFieldPass},
    {"title quad into the target", TitleIntoTarget},
    {"rb post pass (window clear + rb)", CentredPostPass},
    {"title quad on the window", TitleOnWindow},
    {"fade", OpeningFade},
    {"closing fade", ClosingFade},
};

} // namespace

PassList LineFieldScene() {
    return {kOpening, std::size(kOpening)};
}

PassList ClosingScene() {
    return {kClosing, std::size(kClosing)};
}
