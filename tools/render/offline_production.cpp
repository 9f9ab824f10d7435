#include "tools/render/offline_production.h"

#include "app/gl_requirements.h"
#include "app/globals.h"
#include "app/timeline.h"
#include "platform/audio_options.h"

#include <GL/glew.h>

bool OfflineProduction::Start(int width, int height, const GlDeviceChoice& device) {
    StartDecodingMusic();
    if (!gl.Create(width, height, device) || !HasGlRequirements())
        return false;
    displayScale = static_cast<float>(width) / 800.0f;
    viewport = ComputeViewport(width, height);
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    DrawLoadingScreen(static_cast<float>(width) / height);
    // Frames are drawn faster or slower than real time, never in it: the
    // music must not play, and no sound card may be assumed.
    AudioForceNoSound(true);
    return LoadProduction(viewport);
}

void OfflineProduction::DrawFrameAt(double t) {
    music.SetPosition(t);
    RenderFrame(t);
}

double OfflineProduction::MusicLength() const { return music.length; }
