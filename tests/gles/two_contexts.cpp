#include "tests/gles/two_contexts.h"

#include "gles/legacy_gl.h"
#include "platform/egl_devices.h"

#include <EGL/egl.h>

namespace {

EGLContext MakeContext(EGLDisplay display, bool gles) {
    const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                 gles ? EGL_OPENGL_ES2_BIT : EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglBindAPI(gles ? EGL_OPENGL_ES_API : EGL_OPENGL_API) ||
        !eglChooseConfig(display, attributes, &config, 1, &count) || count < 1)
        return EGL_NO_CONTEXT;
    const EGLint version[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    return eglCreateContext(display, config, EGL_NO_CONTEXT, gles ? version : nullptr);
}

// A framebuffer object of the size, bound, with the viewport over it. Core
// GLES 2 names, which the desktop GL has as well.
void MakeFramebuffer(int width, int height) {
    GLuint framebuffer = 0, buffers[2] = {};
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(2, buffers);
    glBindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    glBindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, 0x81A6 /* GL_DEPTH_COMPONENT24 */, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);
}

} // namespace

bool TwoContexts::Create(int w, int h) {
    display = EglSurfacelessDisplay();
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        return false;
    desktop = MakeContext(display, false);
    gles = MakeContext(display, true);
    if (desktop == EGL_NO_CONTEXT || gles == EGL_NO_CONTEXT)
        return false;
    width = w;
    height = h;
    UseDesktop();
    MakeFramebuffer(w, h);
    glViewport(0, 0, w, h);
    UseGles();
    MakeFramebuffer(w, h);
    zgl_Viewport(0, 0, w, h);
    // The layer's framebuffer: not the window's, so rows are stored upright.
    zgl_BindFramebufferEXT(GL_FRAMEBUFFER, 1);
    return zglew_Init() == 0;
}

void TwoContexts::UseDesktop() {
    eglBindAPI(EGL_OPENGL_API);
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, desktop);
}

void TwoContexts::UseGles() {
    eglBindAPI(EGL_OPENGL_ES_API);
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, gles);
}

std::vector<unsigned char> TwoContexts::Read() const {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

int DifferingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    int count = 0;
    for (size_t p = 0; p + 3 < a.size() && p + 3 < b.size(); p += 4)
        count +=
            a[p] != b[p] || a[p + 1] != b[p + 1] || a[p + 2] != b[p + 2] || a[p + 3] != b[p + 3];
    return count;
}
