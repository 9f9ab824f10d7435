#include "tools/render/offline_production.h"

#include "app/gl_requirements.h"
#include "bass/audio_options.h"
#include "scenes/sections.h"

#include <GL/glew.h>

bool OfflineProduction::Start(int width, int height) {
    StartDecodingMusic();
    if (!gl.Create(width, height) || !HasGlRequirements())
        return false;
    const float displayScale = static_cast<float>(width) / 800.0f;
    viewport = ComputeViewport(width, height);
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    production = std::make_unique<Production>();
    production->DrawLoadingScreen(static_cast<float>(width) / height);
    // Frames are drawn faster or slower than real time, never in it: the
    // music must not play, and no sound card may be assumed.
    AudioForceNoSound(true);
    return LoadProduction(*production, music, viewport, displayScale);
}

void OfflineProduction::DrawFrameAt(double t) {
    music.SetPosition(t);
    music.ReadSpectrum();
    RenderFrame(*production, FrameInput{t, music.spectrum});
}

double OfflineProduction::MusicLength() const { return music.length; }
