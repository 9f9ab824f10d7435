#include "tools/render/offline_production.h"

#include "app/gl_requirements.h"
#include "bass/audio_options.h"
#include "platform/report.h"
#include "scenes/sections.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

// Whether this GL can draw a surface of width × height (its framebuffer
// object, and a render target texture as large): false with a line saying
// what exceeds which limit in `refusal`. Needs a current context.
bool SurfaceFits(int width, int height, std::string& refusal) {
    GLint renderbuffer = 0;
    GLint texture = 0;
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &renderbuffer);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    // The limits a surface of this size meets, with their names; the
    // smallest, the first of equals, is named.
    const std::pair<GLint, const char*> limits[] = {
        {renderbuffer, "GL_MAX_RENDERBUFFER_SIZE"},
        {texture, "GL_MAX_TEXTURE_SIZE"},
        {std::min(viewport[0], viewport[1]), "GL_MAX_VIEWPORT_DIMS"},
    };
    const auto& [pixels, name] =
        *std::min_element(std::begin(limits), std::end(limits),
                          [](const auto& a, const auto& b) { return a.first < b.first; });
    if (width <= pixels && height <= pixels)
        return true;
    char line[256];
    std::snprintf(line, sizeof line,
                  "a %dx%d drawing surface is larger than this GL allows: %s is %d pixels", width,
                  height, name, pixels);
    refusal = line;
    return false;
}

// The framebuffer object drawn into instead of the pbuffer when
// supersampling: N times the output size each way, RGBA colour and depth as
// a window has them. The production's render target returns to it instead
// of the window, and the frame is read back from it. Makes it and binds it
// for drawing and reading; its framebuffer, or 0 (with a line on stderr)
// when the framebuffer is not complete.
GLuint CreateSupersampleSurface(int width, int height) {
    GLuint framebuffer = 0;
    GLuint color = 0;
    GLuint depth = 0;
    glGenFramebuffersEXT(1, &framebuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
    glGenRenderbuffersEXT(1, &color);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, color);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_RGBA8, width, height);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_RENDERBUFFER_EXT,
                                 color);
    glGenRenderbuffersEXT(1, &depth);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, depth);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_DEPTH24_STENCIL8_EXT, width, height);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                 depth);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_STENCIL_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                 depth);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, 0);
    GLenum status = glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT);
    if (status == GL_FRAMEBUFFER_COMPLETE_EXT)
        return framebuffer;
    Report("the %dx%d supersampling framebuffer is not complete (status 0x%x)", width, height,
           status);
    return 0;
}

} // namespace

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
