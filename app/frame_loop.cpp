#include "app/frame_loop.h"

#include "platform/yield.h"
#include "scenes/sections.h"

#include <GLFW/glfw3.h>

namespace {

// Back to the first frame, as at start-up. A pause stays a pause: the music
// waits at the beginning for Space.
void StartAgain(Playback& playback) {
    playback.music->SetPosition(0.0);
    if (playback.playing)
        playback.music->Play();
}

} // namespace

// The position, then the spectrum heard there: the one read of the music a
// frame makes.
double DrawFrame(Production& production, Music& music) {
    const double t = music.Position();
    music.ReadSpectrum();
    RenderFrame(production, FrameInput{t, music.spectrum});
    return t;
}

void RunFrameLoop(GLFWwindow* window, Production& production, Playback& playback, bool loop) {
    Music& music = *playback.music;
    // The time of the frame drawn last: a position at or past the end is still
    // drawn, and the loop ends at the next test.
    double t = 0.0;
    while (!glfwWindowShouldClose(window) && t < music.length) {
        t = DrawFrame(production, music);
        glfwSwapBuffers(window);
        // The playback keys run here, between two frames.
        glfwPollEvents();
        if (loop && t >= music.length) {
            StartAgain(playback);
            t = 0.0;
        }
        YieldTimeSlice();
    }
}
