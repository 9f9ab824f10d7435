#include "app/startup.h"

#include "bass/audio_options.h"

namespace {

const char* const kMusicFile = "./resource/noise.ogg";

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

void StartDecodingMusic() {
    AudioPrefetchFile(kMusicFile);
}

bool LoadProduction(Production& production, Music& music, const Viewport& viewport,
                    float displayScale, GLuint windowFramebuffer) {
    return production.Load(viewport, displayScale, windowFramebuffer) && music.Load(kMusicFile);
}
