#include "app/keys.h"

#include "app/globals.h"

#include <GLFW/glfw3.h>

#include <cstdio>

bool playing = true;

namespace {

constexpr double kSeekSeconds = 5.0;

// The printed time is the exact position the music freezes at, which makes
// the pause a tool for timing the choreography.
void TogglePause() {
    playing = !playing;
    if (playing) {
        music.Play();
        return;
    }
    std::printf("time:%f\n", music.Position());
    music.Stop();
}

} // namespace

void keyCallback(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
    // Releases and the auto-repeat of a held key do nothing: one press, one seek.
    if (action != GLFW_PRESS)
        return;
    switch (key) {
    case GLFW_KEY_ESCAPE:
        glfwSetWindowShouldClose(window, GL_TRUE);
        break;
    case GLFW_KEY_LEFT:
        music.SeekBy(-kSeekSeconds);
        break;
    case GLFW_KEY_RIGHT:
        music.SeekBy(kSeekSeconds);
        break;
    case GLFW_KEY_SPACE:
        TogglePause();
        break;
    default:
        break;
    }
}
