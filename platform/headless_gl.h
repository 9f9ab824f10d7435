// A GL context without any window system, for the offline renderer, the
// benchmarks and the tests: EGL on a device found through EGL device
// enumeration (a GPU where there is one, else Mesa's software device) or on
// Mesa's surfaceless platform, desktop GL (compatibility profile), with a
// pbuffer of the requested size as the default framebuffer so the renderers
// draw into it exactly as into a window.
//
// Windows has no EGL: there a hidden GLFW window lends its context to make a
// WGL pbuffer of the requested size with a context of its own
// (headless_gl_win32.cpp; the device choice is not used). A pbuffer, not the
// window, because the system clamps even a hidden window to the screen; not
// a framebuffer object, because the driver rasterises into a window system's
// buffer upside down and rounds a few edge pixels differently there, and the
// frames must be those of the Linux build and of the player's window.
//
// The caller owns the context; Create makes it current on the calling thread
// and runs glewInit.
#pragma once

#include "platform/egl_devices.h"

#include <string>

class HeadlessGl {
  public:
    // Tries the devices `device` allows in the order of GlDeviceCandidates
    // and keeps the first that gives a context. False (with a line on
    // stderr) when none does.
    bool Create(int width, int height, const GlDeviceChoice& device = {});
    void Destroy();
    ~HeadlessGl() { Destroy(); }

    int Width() const { return width; }
    int Height() const { return height; }
    // Where the context lives, for benchmark headers:
    // "EGL device 0 (NVIDIA, hardware, /dev/dri/renderD128)".
    const std::string& Device() const { return device; }

  private:
    bool CreateOn(void* display, int width, int height); // EGL
    bool CreatePbuffer(int width, int height);           // Windows

    void* display = nullptr;   // EGLDisplay; Windows: the hidden GLFW window
    void* surface = nullptr;   // the pbuffer
    void* surfaceDc = nullptr; // Windows: the pbuffer's device context
    void* context = nullptr;
    int width = 0;
    int height = 0;
    std::string device;
};
