#include "app/startup.h"

#include "app/globals.h"
#include "app/timeline.h"
#include "platform/audio_options.h"
#include "scenes/scene_data.h"

#include <GL/glew.h>

namespace {

const char* const kMusicFile = "./resource/noise.ogg";

// The greeting heading and the six group logos, in the order of
// `greetingTextures`.
const char* const kGreetingImages[7] = {
    "./resource/greetings.png", "./resource/ambrelune.png", "./resource/corvattis.png",
    "./resource/duskweld.png",  "./resource/rivenhold.png", "./resource/sorrelgate.png",
    "./resource/tamberlyn.png",
};

// A corner of the loading quad: texture coordinate, then vertex.
void Corner(int s, int t, int x, int y) {
    glTexCoord2i(s, t);
    glVertex2i(x, y);
}

// A missing image is not fatal: its texture stays 0 and the scene draws on.
void LoadImages() {
    titleTexture.Load("./resource/zentrafel.png");
    captionTexture.Load("./resource/pellumin.png");
    for (int i = 0; i < 7; ++i)
        greetingTextures[i].Load(kGreetingImages[i]);
}

// The particle cloud comes before the line field: both draw from one
// pseudo-random sequence, and this order fixes which numbers each gets.
bool LoadParticles() {
    GenerateParticleCloud(particleSystem, displayScale);
    return particleSystem.Load("./resource/x.png");
}

void LoadLineField() {
    // Undoes the loading screen's scale before any scene draws.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GenerateLineField(LineField);
}

bool LoadPrograms() {
    return rbProgram.Load("./resource/rb.ves", "", "./resource/rb.pis") &&
           riProgram.Load("./resource/ri.ves", "", "./resource/ri.pis");
}

} // namespace

Viewport ComputeViewport(int width, int height) {
    Viewport viewport{0, 0, (height / 9) * 16, (width / 16) * 9};
    if (viewport.width > width)
        viewport.width = width;
    if (viewport.height > height)
        viewport.height = height;
    viewport.x = (width - viewport.width) / 2;
    viewport.y = (height - viewport.height) / 2;
    return viewport;
}

void DrawLoadingScreen(float aspect) {
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

void StartDecodingMusic() {
    AudioPrefetchFile(kMusicFile);
}

// The audio library is started last, once every image and program is ready.
bool LoadProduction(const Viewport& viewport) {
    LoadImages();
    BuildTracks();
    if (!LoadParticles())
        return false;
    creditsTexture.Load("./resource/credits.png");
    LoadLineField();
    return renderTarget.Create(viewport.width, viewport.height) && LoadPrograms() &&
           music.Load(kMusicFile);
}
