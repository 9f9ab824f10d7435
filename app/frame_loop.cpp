#include "app/frame_loop.h"

#include "app/globals.h"
#include "app/keys.h"
#include "app/timeline.h"
#include "platform/yield.h"

#include <GLFW/glfw3.h>

namespace {

// Back to the first frame, as at start-up. A pause stays a pause: the music
// waits at the beginning for Space.
void StartAgain() {
    music.SetPosition(0.0);
    if (playing)
        music.Play();
}

} // namespace

void RunFrameLoop(GLFWwindow* window, bool loop) {
    // The time of the frame drawn last: a position at or past the end is still
    // drawn, and the loop ends at the next test.
    double t = 0.0;
    while (!glfwWindowShouldClose(window) && t < music.length) {
        t = music.Position();
        RenderFrame(t);
        glfwSwapBuffers(window);
        // The playback keys run here, between two frames.
        glfwPollEvents();
        if (loop && t >= music.length) {
            StartAgain();
            t = 0.0;
        }
        YieldTimeSlice();
    }
}
