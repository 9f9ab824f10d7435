#include "app/keys.h"

#include <GLFW/glfw3.h>

#include <cstdio>

namespace {

constexpr double kSeekSeconds = 5.0;

// The printed time is the exact position the music freezes at, which makes
// the pause a tool for timing the choreography.
void TogglePause(Playback& playback) {
    playback.playing = !playback.playing;
    if (playback.playing) {
        playback.music->Play();
        return;
    }
    std::printf("time:%f\n", playback.music->Position());
    playback.music->Stop();
}

} // namespace

void keyCallback(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
    // Releases and the auto-repeat of a held key do nothing: one press, one seek.
    if (action != GLFW_PRESS)
        return;
    Playback& playback = *static_cast<Playback*>(glfwGetWindowUserPointer(window));
    switch (key) {
    case GLFW_KEY_ESCAPE:
        glfwSetWindowShouldClose(window, GL_TRUE);
        break;
    case GLFW_KEY_LEFT:
        playback.music->SeekBy(-kSeekSeconds);
        break;
    case GLFW_KEY_RIGHT:
        playback.music->SeekBy(kSeekSeconds);
        break;
    case GLFW_KEY_SPACE:
        TogglePause(playback);
        break;
    default:
        break;
    }
}
