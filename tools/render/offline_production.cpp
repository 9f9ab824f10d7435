#include "tools/render/offline_production.h"

#include "app/gl_requirements.h"
#include "bass/audio_options.h"
#include "scenes/sections.h"
#include "tools/render/supersample_surface.h"

#include <GL/glew.h>

bool OfflineProduction::Start(int width, int height, const GlDeviceChoice& device, int n) {
    StartDecodingMusic();
    if (!gl.Create(width, height, device) || !HasGlRequirements())
        return false;
    if (!SurfaceFits(width * n, height * n, sizeRefusal))
        return false;
    const Viewport output = ComputeViewport(width, height);
    glViewport(output.x, output.y, output.width, output.height);
    production = std::make_unique<Production>();
    production->DrawLoadingScreen(static_cast<float>(width) / height);
    // Frames are drawn faster or slower than real time, never in it: the
    // music must not play, and no sound card may be assumed.
    AudioForceNoSound(true);

    // The letterbox of the output size, N times larger, so that each block of
    // N × N drawn pixels lies over one output pixel (the letterbox of the
    // larger size itself can round differently).
    viewport = {output.x * n, output.y * n, output.width * n, output.height * n};
    GLuint drawInto = 0; // the pbuffer
    if (n > 1) {
        drawInto = CreateSupersampleSurface(width * n, height * n);
        if (!drawInto)
            return false;
        glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    }
    production->pixelScale = static_cast<float>(n);
    const float displayScale = static_cast<float>(width * n) / 800.0f;
    return LoadProduction(*production, music, viewport, displayScale, drawInto);
}

void OfflineProduction::DrawFrameAt(double t) {
    music.SetPosition(t);
    music.ReadSpectrum();
    RenderFrame(*production, FrameInput{t, music.spectrum});
}

double OfflineProduction::MusicLength() const {
    return music.length;
}
