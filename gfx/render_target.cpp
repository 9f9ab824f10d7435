#include "gfx/render_target.h"

#include <cstdio>

namespace {

// The reason an incomplete framebuffer gives, or nullptr for the statuses
// that carry no text (complete, unsupported, the retired 0x8CD8, unknown).
const char* StatusText(GLenum status) {
    switch (status) {
    case GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT:
        return "GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT";
    case GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT:
        return "GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT";
    case GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT:
        return "GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT";
    case GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT:
        return "GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT";
    case GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT:
        return "GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT";
    case GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT:
        return "GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT";
    default:
        return nullptr;
    }
}

void CreateColorTexture(GLuint& texture, GLint width, GLint height) {
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

void CreateDepthBuffer(GLuint& renderbuffer, GLint width, GLint height) {
    glGenRenderbuffersEXT(1, &renderbuffer);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, renderbuffer);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_DEPTH_COMPONENT, width, height);
}

} // namespace

// On failure nothing is unbound or deleted: start-up ends right after, and the
// objects stay as they were for whoever inspects them.
bool RenderTarget::Create(GLint w, GLint h) {
    width = w;
    height = h;
    glGenFramebuffersEXT(1, &framebuffer);
    glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER, framebuffer);

    CreateColorTexture(colorTexture, width, height);
    glFramebufferTexture2DEXT(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D,
                              colorTexture, 0);
    if (!CheckStatus())
        return false;

    CreateDepthBuffer(depthBuffer, width, height);
    glFramebufferRenderbufferEXT(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                 depthBuffer);
    if (!CheckStatus())
        return false;

    glBindTexture(GL_TEXTURE_2D, 0);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, 0);
    glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER, windowFramebuffer);
    return true;
}

// The text has no line end: whatever is printed next continues the line.
bool RenderTarget::CheckStatus() {
    const GLenum status = glCheckFramebufferStatusEXT(GL_DRAW_FRAMEBUFFER);
    if (const char* text = StatusText(status))
        std::printf("%s", text);
    return status == GL_FRAMEBUFFER_COMPLETE_EXT;
}

// The viewport goes onto the attribute stack so that Unbind returns to the
// window's letterbox whatever size the target has.
void RenderTarget::Bind() {
    glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER, framebuffer);
    glPushAttrib(GL_VIEWPORT_BIT);
    glViewport(0, 0, width, height);
}

void RenderTarget::Unbind() {
    glPopAttrib();
    glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER, windowFramebuffer);
}

void RenderTarget::BindTexture(GLenum unit) {
    textureUnit = unit;
    glActiveTexture(unit);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, colorTexture);
}

void RenderTarget::UnbindTexture() {
    glActiveTexture(textureUnit);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
}

// Texture (0, 0) at the lower left, so the off-screen picture lands upright.
void DrawScreenQuad() {
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 1, 1);
    DrawTexturedQuad();
}

void DrawTexturedQuad() {
    glBegin(GL_QUADS);
    glTexCoord2i(0, 0);
    glVertex2i(-1, -1);
    glTexCoord2i(1, 0);
    glVertex2i(1, -1);
    glTexCoord2i(1, 1);
    glVertex2i(1, 1);
    glTexCoord2i(0, 1);
    glVertex2i(-1, 1);
    glEnd();
}
