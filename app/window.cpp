#include "app/window.h"

#include "platform/report.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

namespace {

// GLFW's own reason (no display, no GLX, ...) is the most useful thing a user
// can be shown when start-up fails here.
void ReportGlfwError(int code, const char* description) {
    Report("GLFW error 0x%x: %s", code, description);
}

GLFWmonitor* ChosenMonitor(int index) {
    if (index < 0)
        return glfwGetPrimaryMonitor();
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    return index < count ? monitors[index] : nullptr;
}

// Full screen needs a monitor to take the mode from; without one the window
// opens at the windowed size instead of dereferencing a missing video mode.
GLFWmonitor* FullscreenMonitor(Window& window, int index) {
    GLFWmonitor* monitor = ChosenMonitor(index);
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode) {
        Report("no monitor for full screen; opening a window");
        return nullptr;
    }
    window.width = mode->width;
    window.height = mode->height;
    return monitor;
}

} // namespace

Window OpenWindow(bool fullscreen, const WindowChoice& choice, Playback& playback) {
    Window window{nullptr, choice.width, choice.height, 0.0f};
    glfwSetErrorCallback(ReportGlfwError);
    if (!glfwInit()) {
        Report("cannot start the window system (is there a display?)");
        return window;
    }
    GLFWmonitor* monitor = fullscreen ? FullscreenMonitor(window, choice.monitor) : nullptr;
    glfwWindowHint(GLFW_RESIZABLE, GL_FALSE);
#ifdef ZENTRAFEL_GLES2
    // The gles2 build draws through OpenGL ES 2.0 (gles/), over EGL.
    glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_ES_API);
    glfwWindowHint(GLFW_CONTEXT_CREATION_API, GLFW_EGL_CONTEXT_API);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
#endif
    window.handle = glfwCreateWindow(window.width, window.height, "zentrafel", monitor, nullptr);
    if (!window.handle) {
        Report("cannot open a %dx%d window with an OpenGL context", window.width, window.height);
        glfwTerminate();
        return window;
    }
    if (monitor)
        glfwSetInputMode(window.handle, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    window.displayScale = static_cast<float>(window.width / 800.0);
    glfwSetWindowUserPointer(window.handle, &playback);
    glfwSetKeyCallback(window.handle, keyCallback);
    glfwMakeContextCurrent(window.handle);
    // On contexts without GLX glewInit reports an error after it has loaded
    // every entry point; the requirements check that follows is what counts.
    glewInit();
    return window;
}

bool MonitorConnected(int index) {
    if (index < 0)
        return true;
    glfwSetErrorCallback(ReportGlfwError);
    int count = 0;
    if (glfwInit())
        glfwGetMonitors(&count);
    if (index < count)
        return true;
    Report("there is no monitor %d: %d monitor%s connected (--list-monitors shows them)", index,
           count, count == 1 ? " is" : "s are");
    return false;
}

bool ListMonitors(std::FILE* stream) {
    glfwSetErrorCallback(ReportGlfwError);
    if (!glfwInit()) {
        Report("cannot start the window system (is there a display?)");
        return false;
    }
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    GLFWmonitor* primary = glfwGetPrimaryMonitor();
    for (int i = 0; i < count; ++i) {
        const GLFWvidmode* mode = glfwGetVideoMode(monitors[i]);
        std::fprintf(stream, "%d: %s %dx%d %d Hz%s\n", i, glfwGetMonitorName(monitors[i]),
                     mode ? mode->width : 0, mode ? mode->height : 0, mode ? mode->refreshRate : 0,
                     monitors[i] == primary ? " (primary)" : "");
    }
    glfwTerminate();
    return true;
}

void CloseWindow(Window& window) {
    glfwDestroyWindow(window.handle);
    window.handle = nullptr;
    glfwTerminate();
}
