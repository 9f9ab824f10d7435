#include "platform/headless_gl.h"

#include "platform/report.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/glew.h>

#include <cstdio>

namespace {

// The gles2 build draws through OpenGL ES 2.0 (gles/); the default build
// through desktop GL.
#ifdef ZENTRAFEL_GLES2
constexpr EGLint kRenderable = EGL_OPENGL_ES2_BIT;
constexpr EGLenum kApi = EGL_OPENGL_ES_API;
const EGLint kContextAttributes[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
#else
constexpr EGLint kRenderable = EGL_OPENGL_BIT;
constexpr EGLenum kApi = EGL_OPENGL_API;
const EGLint* const kContextAttributes = nullptr;
#endif

// 8-bit RGBA with 24-bit depth and 8-bit stencil: what a default window gets.
EGLConfig ChooseConfig(EGLDisplay display) {
    const EGLint attributes[] = {EGL_SURFACE_TYPE,
                                 EGL_PBUFFER_BIT,
                                 EGL_RENDERABLE_TYPE,
                                 kRenderable,
                                 EGL_RED_SIZE,
                                 8,
                                 EGL_GREEN_SIZE,
                                 8,
                                 EGL_BLUE_SIZE,
                                 8,
                                 EGL_ALPHA_SIZE,
                                 8,
                                 EGL_DEPTH_SIZE,
                                 24,
                                 EGL_STENCIL_SIZE,
                                 8,
                                 EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(display, attributes, &config, 1, &count) || count < 1)
        return nullptr;
    return config;
}

std::string Describe(const GlDeviceInfo& info) {
    std::string text = "EGL device " + std::to_string(info.index) + " (" + info.vendor + ", " +
                       (info.software ? "software" : "hardware");
    if (!info.name.empty())
        text += ", " + info.name;
    return text + ")";
}

} // namespace

bool HeadlessGl::Create(int w, int h, const GlDeviceChoice& choice) {
    const std::vector<void*> devices = EnumerateEglDevices();
    std::vector<GlDeviceInfo> infos;
    for (size_t i = 0; i < devices.size(); ++i)
        infos.push_back(DescribeEglDevice(devices[i], static_cast<int>(i)));

    for (int candidate : GlDeviceCandidates(choice, infos)) {
        const bool surfaceless = candidate == kSurfacelessCandidate;
        void* dpy = surfaceless ? EglSurfacelessDisplay() : EglDeviceDisplay(devices[candidate]);
        if (!CreateOn(dpy, w, h)) {
            if (!surfaceless && !infos[candidate].software)
                Report("EGL device %d gives no %dx%d GL context", candidate, w, h);
            continue;
        }
        if (surfaceless) {
            device = "Mesa surfaceless platform (" + EglDisplayVendor(display) + ")";
        } else {
            infos[candidate].vendor = EglDisplayVendor(display);
            device = Describe(infos[candidate]);
        }
        // Without GLX, glewInit reports GLEW_ERROR_NO_GLX_DISPLAY after it has
        // loaded every GL entry point; that is not a failure here.
        glewExperimental = GL_TRUE;
        glewInit();
        return true;
    }
    Report("no EGL display gives a %dx%d desktop GL context for headless rendering", w, h);
    return false;
}

// Quiet: the caller decides whether a failure here is worth a line.
bool HeadlessGl::CreateOn(void* dpy, int w, int h) {
    if (dpy == EGL_NO_DISPLAY || !eglInitialize(dpy, nullptr, nullptr)) {
        eglGetError();
        return false;
    }
    display = dpy;
    EGLConfig config = ChooseConfig(dpy);
    if (!config || !eglBindAPI(kApi)) {
        Destroy();
        return false;
    }
    const EGLint pbufferAttributes[] = {EGL_WIDTH, w, EGL_HEIGHT, h, EGL_NONE};
    surface = eglCreatePbufferSurface(dpy, config, pbufferAttributes);
    // No version asked for: like a window's default context, the newest
    // compatibility profile the driver offers.
    context = eglCreateContext(dpy, config, EGL_NO_CONTEXT, kContextAttributes);
    if (surface == EGL_NO_SURFACE || context == EGL_NO_CONTEXT ||
        !eglMakeCurrent(dpy, surface, surface, context)) {
        Destroy();
        return false;
    }
    width = w;
    height = h;
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
    device.clear();
}
