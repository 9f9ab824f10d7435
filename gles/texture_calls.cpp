// Textures, framebuffer objects and the read-back: the legacy names and
// formats turned into those GLES 2.0 has.
#include "gles/layer_state.h"
#include "gles/legacy_gl.h"

#include <cstring>

namespace {

int ChannelsOf(GLenum format) {
    switch (format) {
    case GL_LUMINANCE:
        return 1;
    case GL_LUMINANCE_ALPHA:
        return 2;
    case GL_RGB:
        return 3;
    default:
        return 4;
    }
}

// Rows of `bytes` bytes padded to the alignment.
size_t RowStride(size_t bytes, GLint alignment) {
    const size_t a = static_cast<size_t>(alignment > 0 ? alignment : 1);
    return (bytes + a - 1) / a * a;
}

// Level 0 as the GL would read it back in RGBA: luminance into all three
// colours, a missing alpha as 255.
void KeepLevel0(GLsizei width, GLsizei height, GLenum format, const unsigned char* pixels) {
    GLint bound = 0, alignment = 4;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    TextureLevel0& level = gLayer.textures[static_cast<GLuint>(bound)];
    level.width = width;
    level.height = height;
    level.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
    const int c = ChannelsOf(format);
    const size_t stride = RowStride(static_cast<size_t>(width) * c, alignment);
    for (GLsizei y = 0; y < height; ++y)
        for (GLsizei x = 0; x < width; ++x) {
            const unsigned char* in = pixels + y * stride + static_cast<size_t>(x) * c;
            unsigned char* out = &level.rgba[(static_cast<size_t>(y) * width + x) * 4];
            const bool luminance = c < 3;
            out[0] = in[0];
            out[1] = luminance ? in[0] : in[1];
            out[2] = luminance ? in[0] : in[2];
            out[3] = c == 2 ? in[1] : (c == 4 ? in[3] : 255);
        }
}

const TextureLevel0* BoundLevel0() {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    const auto found = gLayer.textures.find(static_cast<GLuint>(bound));
    return found == gLayer.textures.end() ? nullptr : &found->second;
}

// WebGL 1's depth and stencil, attached as one.
constexpr GLenum kWebGlDepthStencil = 0x84F9;
constexpr GLenum kWebGlDepthStencilAttachment = 0x821A;

// 24-bit depth where the context offers it (in WebGL 1 only with stencil),
// else 16.
GLenum RenderbufferFormat(GLenum internalFormat) {
    switch (internalFormat) {
    case GL_DEPTH_COMPONENT:
        if (gLayer.depthWithStencil)
            return kWebGlDepthStencil;
        return HasExtension("GL_OES_depth24") ? 0x81A6 /* GL_DEPTH_COMPONENT24_OES */
                                              : GL_DEPTH_COMPONENT16;
    case GL_DEPTH24_STENCIL8_EXT:
        return HasExtension("GL_OES_packed_depth_stencil") ? GL_DEPTH24_STENCIL8_EXT
                                                           : GL_DEPTH_COMPONENT16;
    case GL_RGBA8:
        return HasExtension("GL_OES_rgb8_rgba8") ? GL_RGBA8 : GL_RGBA4;
    default:
        return internalFormat;
    }
}

} // namespace

// GLES has no GL_CLAMP: the border clamp or the mirrored repeat stands in
// (layer_state.cpp says which and why).
void zgl_TexParameteri(GLenum target, GLenum name, GLint value) {
    glTexParameteri(target, name, value == GL_CLAMP ? gLayer.clampWrap : value);
}

// GLES wants the internal format to be the format itself.
void zgl_TexImage2D(GLenum target, GLint level, GLint, GLsizei width, GLsizei height, GLint border,
                    GLenum format, GLenum type, const void* pixels) {
    if (level == 0 && pixels && type == GL_UNSIGNED_BYTE)
        KeepLevel0(width, height, format, static_cast<const unsigned char*>(pixels));
    glTexImage2D(target, level, static_cast<GLint>(format), width, height, border, format, type,
                 pixels);
}

void zgl_GetTexLevelParameteriv(GLenum, GLint level, GLenum name, GLint* value) {
    const TextureLevel0* level0 = BoundLevel0();
    if (level != 0 || !level0)
        *value = 0;
    else
        *value = name == GL_TEXTURE_WIDTH ? level0->width : level0->height;
}

// Level 0 in RGBA bytes, rows packed: what the production reads.
void zgl_GetTexImage(GLenum, GLint level, GLenum, GLenum, void* pixels) {
    const TextureLevel0* level0 = BoundLevel0();
    if (level == 0 && level0)
        std::memcpy(pixels, level0->rgba.data(), level0->rgba.size());
}

void zgl_DeleteTextures(GLsizei count, const GLuint* textures) {
    for (GLsizei i = 0; i < count; ++i)
        gLayer.textures.erase(textures[i]);
    glDeleteTextures(count, textures);
}

void zgl_GenFramebuffersEXT(GLsizei count, GLuint* framebuffers) {
    glGenFramebuffers(count, framebuffers);
}

// GLES has one framebuffer target; the window's (0) is stored top down.
void zgl_BindFramebufferEXT(GLenum, GLuint framebuffer) {
    gLayer.drawFramebuffer = framebuffer;
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void zgl_FramebufferTexture2DEXT(GLenum, GLenum attachment, GLenum textarget, GLuint texture,
                                 GLint level) {
    glFramebufferTexture2D(GL_FRAMEBUFFER, attachment, textarget, texture, level);
}

void zgl_FramebufferRenderbufferEXT(GLenum, GLenum attachment, GLenum renderbufferTarget,
                                    GLuint renderbuffer) {
    if (attachment == GL_DEPTH_ATTACHMENT && gLayer.depthWithStencil)
        attachment = kWebGlDepthStencilAttachment;
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachment, renderbufferTarget, renderbuffer);
}

GLenum zgl_CheckFramebufferStatusEXT(GLenum) {
    return glCheckFramebufferStatus(GL_FRAMEBUFFER);
}

void zgl_GenRenderbuffersEXT(GLsizei count, GLuint* renderbuffers) {
    glGenRenderbuffers(count, renderbuffers);
}

void zgl_BindRenderbufferEXT(GLenum target, GLuint renderbuffer) {
    glBindRenderbuffer(target, renderbuffer);
}

void zgl_RenderbufferStorageEXT(GLenum target, GLenum internalFormat, GLsizei width,
                                GLsizei height) {
    glRenderbufferStorage(target, RenderbufferFormat(internalFormat), width, height);
}

// GLES reads GL_RGBA; GL_RGB is packed from it here, rows padded to the
// pack alignment.
void zgl_ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                    void* pixels) {
    if (format != GL_RGB) {
        glReadPixels(x, y, width, height, format, type, pixels);
        return;
    }
    const size_t count = static_cast<size_t>(width) * height;
    if (gLayer.readRgba.size() < count * 4)
        gLayer.readRgba.resize(count * 4);
    GLint alignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, gLayer.readRgba.data());
    const size_t stride = RowStride(static_cast<size_t>(width) * 3, alignment);
    unsigned char* out = static_cast<unsigned char*>(pixels);
    for (GLsizei row = 0; row < height; ++row)
        for (GLsizei col = 0; col < width; ++col) {
            const unsigned char* in =
                &gLayer.readRgba[(static_cast<size_t>(row) * width + col) * 4];
            std::memcpy(out + row * stride + static_cast<size_t>(col) * 3, in, 3);
        }
}

void* zgl_MapBuffer(GLenum, GLenum) {
    return nullptr;
}

GLboolean zgl_UnmapBuffer(GLenum) {
    return GL_FALSE;
}
