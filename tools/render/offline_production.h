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

class OfflineProduction {
public:
    // Context, loading screen and loading table, as the production's start-up
    // does for a window of width × height. False when a step the production
    // depends on fails; that step has printed its message.
    bool Start(int width, int height);
    // Draws the frame of music time t into the pbuffer (no glFinish).
    void DrawFrameAt(double t);
    double MusicLength() const;

    int Width() const { return gl.Width(); }
    int Height() const { return gl.Height(); }
    const Viewport& View() const { return viewport; }
    Production& Scenes() { return *production; }
    Music& Sound() { return music; }

private:
    HeadlessGl gl;
    Music music{};
    std::unique_ptr<Production> production;
    Viewport viewport = {};
};
