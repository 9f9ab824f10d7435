#include "tools/passbench/frame_steps.h"

#include "app/globals.h"
#include "app/timeline.h"
#include "scenes/scene_parts.h"
#include "scenes/scene_steps.h"
#include "scenes/scenes.h"

#include <cmath>
#include <iterator>

namespace {

// Scene 1 and the closing: the line field, the title laid into it, the post
// pass, the title again on the window, the fade.
void LineField(double t) {
    DrawLineField(t);
}

void TitleIntoTarget(double) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawImageQuad(titleTexture);
    renderTarget.Unbind();
}

void PostPass(double) {
    DrawPostPass(0.5f, 0.5f, 500, 1.0f, 1.0f, 1.0f, 1.0f);
}

void TitleOnWindow(double) {
    DrawImageQuad(titleTexture);
}

void OpeningFade(double t) {
    DrawFade(1.0f - 0.1f * static_cast<float>(t));
}

void ClosingFade(double t) {
    DrawFade(static_cast<float>(closingFadeTrack.Evaluate(t)));
}

// Scene 2: the title through "ri", into the target and on the window.
void AnimatedTitle(double t) {
    titleTexture.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    riProgram.Bind();
    riProgram.SetUniform1f("a", static_cast<float>(t <= 4.0 ? t * 0.25 * 0.5 : 0.5));
    riProgram.SetUniform1f("p", 0.05f * static_cast<float>(t));
    DrawTexturedQuad();
    riProgram.Unbind();
    glDisable(GL_BLEND);
    titleTexture.Unbind();
}

void AnimatedTitleIntoTarget(double t) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    AnimatedTitle(t);
    renderTarget.Unbind();
}

void TitleFade(double t) {
    if (t > 19.0)
        DrawFade(static_cast<float>((t - 19.0) / 3.0));
}

// Scene 3: the wave grid, the post pass with its travelling point, the
// caption, the fade.
void WaveGrid(double t) {
    DrawWaveGrid(static_cast<float>(t), MidLevel());
}

void TravellingPostPass(double t) {
    const double u = -0.5 * t;
    DrawPostPass(static_cast<float>(0.5 + 0.5 * std::sin(u)),
                 static_cast<float>(0.5 + 0.5 * std::cos(u)), PostStrength(MidLevel()), 1.0f, 1.0f,
                 1.0f, 1.0f);
}

void Caption(double t) {
    DrawAddedImage(captionTexture, 0.5f, 0.125f, static_cast<float>(captionTrack.Evaluate(t)));
}

void GridFade(double t) {
    DrawFade(static_cast<float>(gridFadeTrack.Evaluate(t)));
}

// Scene 4: the particle cloud, the glow pass, a greeting, the fade.
void Cloud(double t) {
    DrawCloud(static_cast<float>(t));
}

void PlainCopy(double) {
    DrawPlainCopy();
}

void GlowAdded(double) {
    AddGlow(MidLevel());
}

void Greeting(double t) {
    const int i = GreetingIndex(greetingIndexTrack.Evaluate(t));
    DrawAddedImage(greetingTextures[i], 0.375f, 0.09375f,
               static_cast<float>(greetingBrightnessTrack.Evaluate(t)));
}

void GreetingsFade(double t) {
    DrawFade(static_cast<float>(greetingsFadeTrack.Evaluate(t)));
}

// Credits: the image added onto black, the fade.
void Credits(double) {
    glClear(GL_COLOR_BUFFER_BIT);
    LoadIdentityMatrices();
    glDisable(GL_DEPTH_TEST);
    DrawAddedImage(creditsTexture, 1.0f, 1.0f, 1.0f);
}

void CreditsFade(double t) {
    DrawFade(static_cast<float>(creditsFadeTrack.Evaluate(t)));
}

const FrameStep kOpening[] = {
    {"line field (target clear + 10000 segments, 4 px)", LineField},
    {"title quad into the target", TitleIntoTarget},
    {"rb post pass (window clear + rb)", PostPass},
    {"title quad on the window", TitleOnWindow},
    {"fade", OpeningFade},
};
const FrameStep kTitle[] = {
    {"line field (target clear + 10000 segments, 4 px)", LineField},
    {"ri title into the target", AnimatedTitleIntoTarget},
    {"rb post pass (window clear + rb)", PostPass},
    {"ri title on the window", AnimatedTitle},
    {"fade (last 3 s only)", TitleFade},
};
const FrameStep kGrid[] = {
    {"wave grid (target clear + 128x128 strokes, 2 px)", WaveGrid},
    {"rb post pass (window clear + rb)", TravellingPostPass},
    {"caption strip", Caption},
    {"fade", GridFade},
};
const FrameStep kGreetings[] = {
    {"particle cloud (target clear + sprites)", Cloud},
    {"plain copy (window clear + copy)", PlainCopy},
    {"rb glow added", GlowAdded},
    {"greeting strip", Greeting},
    {"fade", GreetingsFade},
};
const FrameStep kClosing[] = {
    {"line field (target clear + 10000 segments, 4 px)", LineField},
    {"title quad into the target", TitleIntoTarget},
    {"rb post pass (window clear + rb)", PostPass},
    {"title quad on the window", TitleOnWindow},
    {"fade", OpeningFade},
    {"closing fade", ClosingFade},
};
const FrameStep kCredits[] = {
    {"window clear + credits quad", Credits},
    {"fade", CreditsFade},
};

const SectionSteps kSections[] = {
    {"scene 1", 0.0, kTitleStart, 0.0, kOpening, std::size(kOpening)},
    {"scene 2", kTitleStart, kGridStart, kTitleStart, kTitle, std::size(kTitle)},
    {"scene 3", kGridStart, kGreetingsStart, kGridStart, kGrid, std::size(kGrid)},
    {"scene 4", kGreetingsStart, kClosingStart, kGreetingsStart, kGreetings, std::size(kGreetings)},
    {"closing", kClosingStart, kCreditsStart, 0.0, kClosing, std::size(kClosing)},
    {"credits", kCreditsStart, kCreditsStart + 21.5, kCreditsStart, kCredits, std::size(kCredits)},
};

} // namespace

const SectionSteps* Sections(size_t& count) {
    count = std::size(kSections);
    return kSections;
}
