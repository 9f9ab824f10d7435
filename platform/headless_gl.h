// A GL context without any window system, for the offline renderer and the
// tests: EGL on Mesa's surfaceless platform, desktop GL (compatibility
// profile), with a pbuffer of the requested size as the default framebuffer so
// the renderers draw into it exactly as into a window.
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

private:
    void* display = nullptr;
    void* surface = nullptr;
    void* context = nullptr;
    int width = 0;
    int height = 0;
};
