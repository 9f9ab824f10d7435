// A GL context without any window system, for the offline renderer and the
// tests: EGL on Mesa's surfaceless platform, desktop GL (compatibility
// profile), with a pbuffer of the requested size as the default framebuffer so
// the renderers draw into it exactly as into a window (headless_gl.cpp).
//
// Windows has no such platform: there the context is a hidden GLFW window's,
// and the frame is a framebuffer object of the requested size, as the system
// clamps even a hidden window to the screen (headless_gl_win32.cpp). Create
// leaves it bound for drawing and reading; Framebuffer() names it, so that
// whatever returns to "the window" returns to it.
//
// The caller owns the context; Create makes it current on the calling thread
// and runs glewInit.
#pragma once

class HeadlessGl {
public:
    // False (with a line on stderr) when no such context can be made.
    bool Create(int width, int height);
    void Destroy();
    ~HeadlessGl() { Destroy(); }

    int Width() const { return width; }
    int Height() const { return height; }
    // The framebuffer that plays the window's part: 0 with a pbuffer.
    unsigned Framebuffer() const { return framebuffer; }

private:
    void* display = nullptr;
    void* surface = nullptr;
    void* context = nullptr;
    int width = 0;
    int height = 0;
    unsigned framebuffer = 0;
    unsigned renderbuffers[2] = {0, 0}; // colour, depth + stencil
};
