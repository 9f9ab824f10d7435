// Production: everything start-up loads and builds, owned in one place: the
// textures, the shader programs, the particle system, the line field, the
// render target and the seven tracks. The player and the offline renderer
// each make one (a test may make several, one after another, in one
// process); the frame loop hands it to RenderFrame (scenes/sections.h).
// GL objects it creates are never deleted: they go with the context. GL
// context thread only.
#pragma once

#include "gfx/image_bounds.h"
#include "gfx/particle_system.h"
#include "gfx/render_target.h"
#include "gfx/shader.h"
#include "gfx/texture.h"
#include "scenes/scene_data.h"
#include "scenes/timeline.h"
#include "scenes/viewport.h"

#include <vector>

constexpr int kGreetingCount = 7;

// Where each image quad can change a pixel (the scissor it is drawn with):
// around the texels that are not transparent black, widened by the filter's
// reach (and for the animated title the shipped "ri" program's wave and glow;
// the whole quad for any other "ri" sources). In the target's
// pixels for the quads drawn into it, in the window's for the rest.
struct ImageAreas {
    ScissorRect titleInTarget, titleOnWindow;
    ScissorRect animatedTitleInTarget, animatedTitleOnWindow;
    ScissorRect caption;
    ScissorRect greetings[kGreetingCount];
    ScissorRect credits;
};

struct Production {
    Texture loadingTexture{};
    Texture titleTexture{};
    Texture captionTexture{};
    // The greeting heading, then the six group logos.
    Texture greetingTextures[kGreetingCount]{};
    Texture creditsTexture{};
    ParticleSystem particleSystem{};
    std::vector<LineSegment> lineField;
    RenderTarget renderTarget{};
    Shader rbProgram{};
    Shader riProgram{};
    Tracks tracks;
    // Pixels of the drawing surface per pixel of the picture it stands for:
    // 1 for a window; N where the offline renderer draws N times larger each
    // way to supersample. Widths given in pixels (the strokes) grow by it.
    float pixelScale = 1.0f;
    ImageAreas areas{};
    // Draw every pass whole, also those that provably change no pixel (a
    // fade at alpha 0, a strip at level 0, an image quad outside its area):
    // for checking that leaving them out changes nothing.
    bool allPasses = false;

    // Loads "./resource/loading.png" and draws it once, a quarter of the
    // viewport wide and square on a window of the given width / height (no
    // clear, no swap; the scale stays on the modelview matrix until Load).
    void DrawLoadingScreen(float aspect);
    // The loading steps after the loading screen, in their fixed order:
    // textures, tracks, particle cloud and system (sized by displayScale),
    // credits, line field, a render target of the viewport's size (returning
    // to windowFramebuffer), the "rb" and "ri" programs; then the images'
    // areas. False when a step the frames depend on fails; it has printed
    // its message. A missing image is not fatal: its texture stays 0.
    bool Load(const Viewport& viewport, float displayScale, GLuint windowFramebuffer = 0);
};
