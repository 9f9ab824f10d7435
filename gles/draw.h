// Drawing what immediate mode and the client arrays gave (gLayer.input):
// through the fixed-function programs (vertices transformed on the CPU as
// the desktop's vertex stage transforms them, colours clamped, wide lines
// widened) or through the production's current program (object coordinates,
// the matrices fed as uniforms).
#pragma once

#include <GLES2/gl2.h>

#include <cstddef>

// Draws gLayer.input[0, count) as `primitive` (GL_LINES, GL_QUADS, GL_POINTS,
// GL_TRIANGLES).
void DrawInput(GLenum primitive, size_t count);
