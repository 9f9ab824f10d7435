// RenderTarget: the one off-screen framebuffer (RGBA colour texture plus depth
// renderbuffer) every scene draws into before its post pass, and the
// full-viewport quad that draws it back. Every framebuffer call names
// GL_DRAW_FRAMEBUFFER. Created once, never resized or deleted.
#pragma once

#include <GL/glew.h>

class RenderTarget {
  public:
    GLuint framebuffer;
    GLuint colorTexture;
    GLuint depthBuffer;
    GLenum textureUnit;
    GLint width;
    GLint height;
    // What Unbind draws into again: 0, the window, unless a program that draws
    // into a framebuffer object of its own instead (offline, larger than the
    // screen, supersampled) sets it before Create.
    GLuint windowFramebuffer;

    bool Create(GLint width, GLint height);
    bool CheckStatus();
    void Bind();   // draws into the target; pushes the viewport
    void Unbind(); // pops the viewport; draws into the window again
    void BindTexture(GLenum unit);
    void UnbindTexture();
};

// One textured quad over the whole viewport under identity matrices; leaves
// depth test off, both matrices identity (modelview selected), colour white.
void DrawScreenQuad();

// One quad over the whole viewport (under the current matrices) with texture
// coordinates (0, 0) to (1, 1); sets no state of its own.
void DrawTexturedQuad();
