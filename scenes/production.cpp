#include "scenes/production.h"

#include "scenes/image_areas.h"

namespace {

// The greeting heading and the six group logos, in the order of
// `greetingTextures`.
const char* const kGreetingImages[kGreetingCount] = {
    "./resource/greetings.png", "./resource/ambrelune.png", "./resource/corvattis.png",
    "./resource/duskweld.png",  "./resource/rivenhold.png", "./resource/sorrelgate.png",
    "./resource/tamberlyn.png",
};

// A corner of the loading quad: texture coordinate, then vertex.
void Corner(int s, int t, int x, int y) {
    glTexCoord2i(s, t);
    glVertex2i(x, y);
}

void LoadImages(Production& p) {
    p.titleTexture.Load("./resource/zentrafel.png");
    p.captionTexture.Load("./resource/pellumin.png");
    for (int i = 0; i < kGreetingCount; ++i)
        p.greetingTextures[i].Load(kGreetingImages[i]);
}

// The particle cloud comes before the line field: both draw from one
// pseudo-random sequence, and this order fixes which numbers each gets.
bool LoadParticles(Production& p, Rand15& rand15, float displayScale) {
    GenerateParticleCloud(rand15, p.particleSystem, displayScale);
    return p.particleSystem.Load("./resource/x.png", "./resource/ps.ves", "./resource/ps.pis");
}

void LoadLineField(Production& p, Rand15& rand15) {
    // Undoes the loading screen's scale before any scene draws.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GenerateLineField(rand15, p.lineField);
}

bool LoadPrograms(Production& p) {
    return p.rbProgram.Load("./resource/rb.ves", "", "./resource/rb.pis") &&
           p.riProgram.Load("./resource/ri.ves", "", "./resource/ri.pis");
}

} // namespace

void Production::DrawLoadingScreen(float aspect) {
    loadingTexture.Load("./resource/loading.png");
    loadingTexture.Bind(GL_TEXTURE0);
    // Under the identity projection this quad is a quarter of the viewport
    // wide and as tall as the window's proportions make it square.
    glMatrixMode(GL_MODELVIEW);
    glScalef(0.25f, aspect * 0.25f, 1.0f);
    glBegin(GL_QUADS);
    Corner(0, 0, -1, -1);
    Corner(1, 0, 1, -1);
    Corner(1, 1, 1, 1);
    Corner(0, 1, -1, 1);
    glEnd();
    loadingTexture.Unbind();
}

bool Production::Load(const Viewport& viewport, float displayScale, GLuint windowFramebuffer) {
    Rand15 rand15;
    LoadImages(*this);
    tracks.Build();
    if (!LoadParticles(*this, rand15, displayScale))
        return false;
    creditsTexture.Load("./resource/credits.png");
    LoadLineField(*this, rand15);
    renderTarget.windowFramebuffer = windowFramebuffer;
    if (!renderTarget.Create(viewport.width, viewport.height) || !LoadPrograms(*this))
        return false;
    areas = FindImageAreas(*this, viewport);
    return true;
}
