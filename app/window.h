// The production's one window and its GL context: opened by start-up, kept
// for the whole run, destroyed with GLFW only on the normal way out. Main
// thread only.
#pragma once

#include "app/keys.h"

#include <cstdio>

struct GLFWwindow;

// Where the window goes: full screen on which monitor (-1: the primary), and
// the size of a window that is not full screen.
struct WindowChoice {
    int monitor = -1;
    int width = 640;
    int height = 480;
};

struct Window {
    GLFWwindow* handle;
    int width;
    int height;
    float displayScale; // width in pixels / 800
};

// GLFW, the window (the chosen size, or full screen at the chosen monitor's
// current mode with the cursor hidden; never resizable), the key callback
// acting on `playback`, the current context and GLEW. On failure prints a
// line on stderr, leaves GLFW terminated and returns a null handle.
Window OpenWindow(bool fullscreen, const WindowChoice& choice, Playback& playback);
// True for -1 (the primary monitor) and for a monitor GLFW sees; otherwise
// says on stderr that it is not there. Starts GLFW, which OpenWindow then
// finds running.
bool MonitorConnected(int index);
// One line per monitor on `stream`: its number, name and current mode, the
// primary marked; false (with a line on stderr) when GLFW cannot start.
bool ListMonitors(std::FILE* stream);
// Destroys the window and terminates GLFW.
void CloseWindow(Window& window);
