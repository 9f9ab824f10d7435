// The production's one window and its GL context: opened by start-up, kept
// for the whole run, destroyed with GLFW only on the normal way out. Main
// thread only.
#pragma once

struct WindowSize {
    int width;
    int height;
};

// GLFW, the window (640 x 480, or full screen at the primary monitor's current
// mode with the cursor hidden; never resizable), `displayScale`, the key
// callback, the current context and GLEW. Sets the global `window`. On failure
// prints a line on stderr, leaves GLFW terminated and returns {0, 0}.
WindowSize OpenWindow(bool fullscreen);
// Destroys `window` and terminates GLFW.
void CloseWindow();
