#include "platform/headless_gl.h"

#include "platform/report.h"

#include <GL/glew.h>
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>

namespace {

EGLDisplay OpenSurfacelessDisplay() {
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay)
        return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

// 8-bit RGBA with 24-bit depth and 8-bit stencil: what a default window gets.
EGLConfig ChooseConfig(EGLDisplay display) {
    const EGLint attributes[] = {EGL_SURFACE_TYPE,    EGL_PBUFFER_BIT,  EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT,      EGL_RED_SIZE,     8,
                                 EGL_GREEN_SIZE,      8,                EGL_BLUE_SIZE,
                                 8,                   EGL_ALPHA_SIZE,   8,
                                 EGL_DEPTH_SIZE,      24,               EGL_STENCIL_SIZE,
                                 8,                   EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(display, attributes, &config, 1, &count) || count < 1)
        return nullptr;
    return config;
}

} // namespace

bool HeadlessGl::Create(int w, int h) {
    EGLDisplay dpy = OpenSurfacelessDisplay();
    if (dpy == EGL_NO_DISPLAY || !eglInitialize(dpy, nullptr, nullptr)) {
        Report("no EGL display for headless rendering");
        return false;
    }
    display = dpy;
    EGLConfig config = ChooseConfig(dpy);
    if (!config || !eglBindAPI(EGL_OPENGL_API)) {
        Report("no EGL configuration for desktop OpenGL");
        Destroy();
        return false;
    }
    const EGLint pbufferAttributes[] = {EGL_WIDTH, w, EGL_HEIGHT, h, EGL_NONE};
    surface = eglCreatePbufferSurface(dpy, config, pbufferAttributes);
    // No version asked for: like a window's default context, the newest
    // compatibility profile the driver offers.
    context = eglCreateContext(dpy, config, EGL_NO_CONTEXT, nullptr);
    if (surface == EGL_NO_SURFACE || context == EGL_NO_CONTEXT ||
        !eglMakeCurrent(dpy, surface, surface, context)) {
        Report("cannot create a %dx%d headless GL context", w, h);
        Destroy();
        return false;
    }
    width = w;
    height = h;
    // Without GLX, glewInit reports GLEW_ERROR_NO_GLX_DISPLAY after it has
    // loaded every GL entry point; that is not a failure here.
    glewExperimental = GL_TRUE;
    glewInit();
    return true;
}

void HeadlessGl::Destroy() {
    if (!display)
        return;
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (context)
        eglDestroyContext(display, context);
    if (surface)
        eglDestroySurface(display, surface);
    eglTerminate(display);
    display = surface = context = nullptr;
    width = height = 0;
}
