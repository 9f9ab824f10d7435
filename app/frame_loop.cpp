#include "app/frame_loop.h"

#include "app/globals.h"
#include "app/timeline.h"

#include <GLFW/glfw3.h>

#include <thread>

void RunFrameLoop(GLFWwindow* window) {
    // The time of the frame drawn last: a position at or past the end is still
    // drawn, and the loop ends at the next test.
    double t = 0.0;
    while (!glfwWindowShouldClose(window) && t < music.length) {
        t = music.Position();
        RenderFrame(t);
        glfwSwapBuffers(window);
        // The playback keys run here, between two frames.
        glfwPollEvents();
        std::this_thread::yield();
    }
}
