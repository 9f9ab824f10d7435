// What the production needs from the OpenGL driver: GL 2.1 (GLSL 1.20) shaders, framebuffer
// objects with separate draw/read targets, and point sprites with distance
// attenuation. Checked once after glewInit, so a driver that lacks one ends
// start-up with a clear message instead of a crash on a null entry point later.
#pragma once

// Whether the current context offers one GLEW feature name ("GL_VERSION_2_1",
// "GL_EXT_framebuffer_object", ...).
using GlFeatureQuery = bool (*)(const char* name);

// Asks GLEW about the current context; glewInit must have run.
bool GlewHasFeature(const char* name);

// The first requirement the context lacks, in a fixed order, or nullptr when
// every one is there.
const char* FirstMissingGlRequirement(GlFeatureQuery hasFeature = GlewHasFeature);

// True when nothing is missing; otherwise prints a line naming the first
// missing requirement on stderr and returns false.
bool HasGlRequirements();
