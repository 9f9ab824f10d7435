#include "tools/render/supersample_surface.h"

#include "platform/report.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

bool SurfaceFits(int width, int height, std::string& refusal) {
    GLint renderbuffer = 0;
    GLint texture = 0;
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &renderbuffer);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    // The limits a surface of this size meets, with their names; the
    // smallest, the first of equals, is named.
    const std::pair<GLint, const char*> limits[] = {
        {renderbuffer, "GL_MAX_RENDERBUFFER_SIZE"},
        {texture, "GL_MAX_TEXTURE_SIZE"},
        {std::min(viewport[0], viewport[1]), "GL_MAX_VIEWPORT_DIMS"},
    };
    const auto& [pixels, name] =
        *std::min_element(std::begin(limits), std::end(limits),
                          [](const auto& a, const auto& b) { return a.first < b.first; });
    if (width <= pixels && height <= pixels)
        return true;
    char line[256];
    std::snprintf(line, sizeof line,
                  "a %dx%d drawing surface is larger than this GL allows: %s is %d pixels", width,
                  height, name, pixels);
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
