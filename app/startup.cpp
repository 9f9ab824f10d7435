#include "app/startup.h"

#include "app/gl_requirements.h"
#include "bass/audio_options.h"
#include "platform/report.h"

#include <GL/glew.h>

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

bool OpenWithLoadingScreen(bool fullscreen, const WindowChoice& choice, Playback& playback,
                           Window& window, Viewport& viewport, Production& production) {
    window = OpenWindow(fullscreen, choice, playback);
    if (!window.handle)
        return false;
    if (!HasGlRequirements()) {
        CloseWindow(window);
        return false;
    }
    viewport = ComputeViewport(window.width, window.height);
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    production.DrawLoadingScreen(static_cast<float>(window.width) / window.height);
    return true;
}

void StartDecodingMusic() {
    AudioPrefetchFile(kMusicFile);
}

bool LoadProduction(Production& production, Music& music, const Viewport& viewport,
                    float displayScale, GLuint windowFramebuffer) {
    return production.Load(viewport, displayScale, windowFramebuffer) && music.Load(kMusicFile);
}

bool StartAt(Music& music, double start) {
    if (start == 0.0)
        return true;
    if (start < music.length) {
        music.SetPosition(start);
        return true;
    }
    Report("--start %.3f is past the end of the music (%.3f s)", start, music.length);
    return false;
}
