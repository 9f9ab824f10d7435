#include "app/window.h"

#include "app/globals.h"
#include "app/keys.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cstdio>

namespace {

constexpr int kWindowedWidth = 640;
constexpr int kWindowedHeight = 480;

// GLFW's own reason (no display, no GLX, ...) is the most useful thing a user
// can be shown when start-up fails here.
void ReportGlfwError(int code, const char* description) {
    std::fprintf(stderr, "zentrafel: GLFW error 0x%x: %s\n", code, description);
}

// Full screen needs a monitor to take the mode from; without one the window
// opens at the windowed size instead of dereferencing a missing video mode.
GLFWmonitor* FullscreenMonitor(WindowSize& size) {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode) {
        std::fprintf(stderr, "zentrafel: no monitor for full screen; opening a window\n");
        return nullptr;
    }
    size = WindowSize{mode->width, mode->height};
    return monitor;
}

} // namespace

WindowSize OpenWindow(bool fullscreen) {
    glfwSetErrorCallback(ReportGlfwError);
    if (!glfwInit()) {
        std::fprintf(stderr, "zentrafel: cannot start the window system (is there a display?)\n");
        return WindowSize{0, 0};
    }
    WindowSize size{kWindowedWidth, kWindowedHeight};
    GLFWmonitor* monitor = fullscreen ? FullscreenMonitor(size) : nullptr;
    glfwWindowHint(GLFW_RESIZABLE, GL_FALSE);
    window = glfwCreateWindow(size.width, size.height, "zentrafel", monitor, nullptr);
    if (!window) {
        std::fprintf(stderr, "zentrafel: cannot open a %dx%d window with an OpenGL context\n",
                     size.width, size.height);
        glfwTerminate();
        return WindowSize{0, 0};
    }
    if (monitor)
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    displayScale = static_cast<float>(size.width / 800.0);
    glfwSetKeyCallback(window, keyCallback);
    glfwMakeContextCurrent(window);
    // On contexts without GLX glewInit reports an error after it has loaded
    // every entry point; the requirements check that follows is what counts.
    glewInit();
    return size;
}

void CloseWindow() {
    glfwDestroyWindow(window);
    window = nullptr;
    glfwTerminate();
}
