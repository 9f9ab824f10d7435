// The gles2 build's <GL/glew.h>: there is nothing to load; the layer answers
// the loader's questions (gles/legacy_gl.h).
#pragma once

#include <GL/gl.h>

#define GLEW_OK 0
#define GLEW_ERROR_NO_GLX_DISPLAY 4
#define glewInit zglew_Init
#define glewIsSupported zglew_IsSupported
// Written by the callers, read by nobody: GLES needs no experimental loader.
inline GLboolean glewExperimental = GL_FALSE;
// No pixel buffer objects: the video read-back ring is not offered.
#define GLEW_VERSION_2_1 GL_FALSE
#define GLEW_ARB_pixel_buffer_object GL_FALSE
