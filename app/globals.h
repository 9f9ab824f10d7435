// The production's long-lived objects: process-lifetime globals owned by the
// driver, zero until start-up fills them, never released while it runs.
#pragma once

#include "audio/music.h"
#include "gfx/particle_system.h"
#include "gfx/render_target.h"
#include "gfx/shader.h"
#include "gfx/texture.h"
#include "scenes/scene_data.h"

#include <vector>

struct GLFWwindow;

extern GLFWwindow* window;
extern float displayScale; // window width in pixels / 800
extern Texture loadingTexture;
extern Texture titleTexture;
extern Texture captionTexture;
extern Texture greetingTextures[7];
extern Texture creditsTexture;
extern ParticleSystem particleSystem;
extern std::vector<LineSegment> LineField;
extern RenderTarget renderTarget;
extern Shader rbProgram;
extern Shader riProgram;
extern Music music;
