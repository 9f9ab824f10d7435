#include "platform/headless_gl.h"

#include "platform/report.h"

#include <GL/glew.h>
#include <GL/wglew.h>
#include <GLFW/glfw3.h>

namespace {

// 8-bit RGBA with 24-bit depth and 8-bit stencil: what a default window gets.
// Double-buffered, as a window is: wine's single-buffered pbuffer ends in an X
// error when its context is released.
int ChoosePbufferFormat(HDC dc) {
    const int attributes[] = {WGL_DRAW_TO_PBUFFER_ARB,
                              GL_TRUE,
                              WGL_SUPPORT_OPENGL_ARB,
                              GL_TRUE,
                              WGL_DOUBLE_BUFFER_ARB,
                              GL_TRUE,
                              WGL_PIXEL_TYPE_ARB,
                              WGL_TYPE_RGBA_ARB,
                              WGL_RED_BITS_ARB,
                              8,
                              WGL_GREEN_BITS_ARB,
                              8,
                              WGL_BLUE_BITS_ARB,
                              8,
                              WGL_ALPHA_BITS_ARB,
                              8,
                              WGL_DEPTH_BITS_ARB,
                              24,
                              WGL_STENCIL_BITS_ARB,
                              8,
                              0};
    int format = 0;
    UINT count = 0;
    if (!wglChoosePixelFormatARB(dc, attributes, nullptr, 1, &format, &count) || count < 1)
        return 0;
    return format;
}

// Whether the pbuffer has the size asked for: drivers may give a smaller one.
bool HasSize(HPBUFFERARB pbuffer, int width, int height) {
    int w = 0, h = 0;
    return wglQueryPbufferARB(pbuffer, WGL_PBUFFER_WIDTH_ARB, &w) &&
           wglQueryPbufferARB(pbuffer, WGL_PBUFFER_HEIGHT_ARB, &h) && w == width && h == height;
}

} // namespace

// One way only on Windows: the device choice is not used. The hidden window
// only lends its context to find the pixel format and create the pbuffer;
// the frame is drawn in the pbuffer's own context.
bool HeadlessGl::Create(int w, int h, const GlDeviceChoice&) {
    if (!glfwInit()) {
        Report("no window system for offline rendering");
        return false;
    }
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(64, 64, "zentrafel-render", nullptr, nullptr);
    display = window;
    if (!window) {
        Report("cannot create a hidden GL window");
        glfwTerminate();
        return false;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK || !WGLEW_ARB_pbuffer || !WGLEW_ARB_pixel_format ||
        !CreatePbuffer(w, h)) {
        Report("cannot create a %dx%d pbuffer", w, h);
        Destroy();
        return false;
    }
    // The entry points again, now for the pbuffer's context.
    glewInit();
    width = w;
    height = h;
    device = "pbuffer of a hidden window";
    return true;
}

bool HeadlessGl::CreatePbuffer(int w, int h) {
    const HDC windowDc = wglGetCurrentDC();
    const int format = ChoosePbufferFormat(windowDc);
    if (!format)
        return false;
    const HPBUFFERARB pbuffer = wglCreatePbufferARB(windowDc, format, w, h, nullptr);
    surface = pbuffer;
    if (!pbuffer || !HasSize(pbuffer, w, h))
        return false;
    const HDC dc = wglGetPbufferDCARB(pbuffer);
    surfaceDc = dc;
    if (!dc)
        return false;
    const HGLRC rc = wglCreateContext(dc);
    context = rc;
    return rc && wglMakeCurrent(dc, rc);
}

void HeadlessGl::Destroy() {
    if (!display)
        return;
    const auto pbuffer = static_cast<HPBUFFERARB>(surface);
    glfwMakeContextCurrent(static_cast<GLFWwindow*>(display));
    if (context)
        wglDeleteContext(static_cast<HGLRC>(context));
    if (surfaceDc)
        wglReleasePbufferDCARB(pbuffer, static_cast<HDC>(surfaceDc));
    if (pbuffer)
        wglDestroyPbufferARB(pbuffer);
    glfwDestroyWindow(static_cast<GLFWwindow*>(display));
    glfwTerminate();
    display = surface = surfaceDc = context = nullptr;
    width = height = 0;
    device.clear();
}
