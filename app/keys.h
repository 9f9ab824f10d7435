// The playback keys: Escape quits, Left and Right seek five seconds, Space
// pauses (printing the music time) and resumes. Runs inside glfwPollEvents.
#pragma once

#include "audio/music.h"

struct GLFWwindow;

// What the keys act on, reached through the window's user pointer.
struct Playback {
    Music* music;
    bool playing = true; // false while paused
};

// GLFW's key callback; the window's user pointer must be a Playback.
void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);
