// Texture: a 2-D GL texture made from one image file. Powers of two,
// premultiplied alpha, rows flipped (top row at t = 1), full mipmap chain,
// GL_CLAMP. Zero-initialised is "not loaded"; never deleted.
#pragma once

#include <GL/glew.h>
#include <string>

class Texture {
  public:
    GLuint id;   // 0 when loading failed or before loading
    GLenum unit; // the unit of the last Bind; Unbind returns to it

    // Prints "Texture::Load <name>"; a file that cannot be decoded leaves id 0.
    void Load(std::string fileName);
    void Bind(GLenum unit);
    void Unbind();
};
