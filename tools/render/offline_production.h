// The production without a window: a headless GL context whose pbuffer plays
// the window's part, the driver's own start-up, and frames drawn at exact
// music times. The music is loaded on the audio library's "no sound" device
// and never played; each frame moves it to the frame's time instead, so the
// spectrum the scenes read is the one heard at that moment.
//
// One instance per process (the audio library starts once per process);
// everything runs on the thread that calls Start.
#pragma once

#include "app/startup.h"
#include "platform/headless_gl.h"

#include <memory>
#include <string>

class OfflineProduction {
  public:
    // Context, loading screen and loading table, as the production's start-up
    // does for a window of width × height. With `supersample` N above 1 the
    // frames are drawn N times larger each way into a framebuffer object of
    // their own, as for a window that size whose widths in pixels grow by N.
    // False when a step the production depends on fails (that step has
    // printed its message) or the drawing surface exceeds the GL's limits
    // (SizeRefusal says why, and nothing is drawn).
    // `device`: where the GL context is opened.
    bool Start(int width, int height, const GlDeviceChoice& device = {}, int supersample = 1);
    // Draws the frame of music time t into the drawing surface (no glFinish).
    void DrawFrameAt(double t);
    double MusicLength() const;
    const std::string& SizeRefusal() const { return sizeRefusal; }

    // The output size (the frames are drawn N times larger when supersampling).
    int Width() const { return gl.Width(); }
    int Height() const { return gl.Height(); }
    const Viewport& View() const { return viewport; }
    Production& Scenes() { return *production; }
    Music& Sound() { return music; }
    // The EGL device or platform drawn on, for benchmark headers.
    const std::string& Device() const { return gl.Device(); }

  private:
    HeadlessGl gl;
    std::string sizeRefusal;
    Music music{};
    std::unique_ptr<Production> production;
    Viewport viewport = {};
};
