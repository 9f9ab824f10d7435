// The production's one window and its GL context: opened by start-up, kept
// for the whole run, destroyed with GLFW only on the normal way out. Main
// thread only.
#pragma once

#include "app/keys.h"

struct GLFWwindow;

struct Window {
    GLFWwindow* handle;
    int width;
    int height;
    float displayScale; // width in pixels / 800
};

// GLFW, the window (640 x 480, or full screen at the primary monitor's current
// mode with the cursor hidden; never resizable), the key callback acting on
// `playback`, the current context and GLEW. On failure prints a line on
// stderr, leaves GLFW terminated and returns a null handle.
Window OpenWindow(bool fullscreen, Playback& playback);
// Destroys the window and terminates GLFW.
void CloseWindow(Window& window);
