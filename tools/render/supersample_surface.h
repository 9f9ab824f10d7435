// The framebuffer object the offline renderer draws into instead of the
// pbuffer when it supersamples: N times the output size each way, RGBA colour
// and depth as a window has them. The production's render target returns to
// it instead of the window, and the frame is read back from it. Created once,
// kept for the process; GL context thread only.
#pragma once

#include <GL/glew.h>

#include <string>

// Whether this GL can draw a surface of width × height (its framebuffer
// object, and a render target texture as large): false with a line saying
// what exceeds which limit in `refusal`. Needs a current context.
bool SurfaceFits(int width, int height, std::string& refusal);

// Makes the surface and binds it for drawing and reading; its framebuffer,
// or 0 (with a line on stderr) when the framebuffer is not complete.
GLuint CreateSupersampleSurface(int width, int height);
