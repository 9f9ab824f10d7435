#include "tools/render/supersample_surface.h"

#include "platform/report.h"

#include <cstdio>

namespace {

// The smallest of the limits a surface of this size meets, with its name.
struct Limit {
    GLint pixels;
    const char* name;
};

Limit SmallestLimit() {
    GLint renderbuffer = 0;
    GLint texture = 0;
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &renderbuffer);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    Limit limit = {renderbuffer, "GL_MAX_RENDERBUFFER_SIZE"};
    if (texture < limit.pixels)
        limit = {texture, "GL_MAX_TEXTURE_SIZE"};
    if (viewport[0] < limit.pixels || viewport[1] < limit.pixels)
        limit = {viewport[0] < viewport[1] ? viewport[0] : viewport[1], "GL_MAX_VIEWPORT_DIMS"};
    return limit;
}

} // namespace

bool SurfaceFits(int width, int height, std::string& refusal) {
    Limit limit = SmallestLimit();
    if (width <= limit.pixels && height <= limit.pixels)
        return true;
    char line[256];
    std::snprintf(line, sizeof line,
                  "a %dx%d drawing surface is larger than this GL allows: %s is %d pixels", width,
                  height, limit.name, limit.pixels);
    refusal = line;
    return false;
}

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
