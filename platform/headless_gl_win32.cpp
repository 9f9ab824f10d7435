#include "platform/headless_gl.h"

#include "platform/report.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>


namespace {

// 8-bit RGBA with 24-bit depth and 8-bit stencil: what a default window gets.
bool CreateFrame(GLuint& framebuffer, GLuint (&renderbuffers)[2], int width, int height) {
    glGenRenderbuffersEXT(2, renderbuffers);
    glBindRenderbufferEXT(GL_RENDERBUFFER, renderbuffers[0]);
    glRenderbufferStorageEXT(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbufferEXT(GL_RENDERBUFFER, renderbuffers[1]);
    glRenderbufferStorageEXT(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindRenderbufferEXT(GL_RENDERBUFFER, 0);
    glGenFramebuffersEXT(1, &framebuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                 renderbuffers[0]);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                 renderbuffers[1]);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                 renderbuffers[1]);
    return glCheckFramebufferStatusEXT(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

} // namespace

// One way only on Windows: the device choice is not used.
bool HeadlessGl::Create(int w, int h, const GlDeviceChoice&) {
    if (!glfwInit()) {
        Report("no window system for offline rendering");
        return false;
    }
    display = this; // glfwInit succeeded: Destroy terminates it
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(64, 64, "zentrafel-render", nullptr, nullptr);
    context = window;
    if (!window) {
        Report("cannot create a hidden GL window");
        Destroy();
        return false;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK || !GLEW_EXT_framebuffer_object ||
        !CreateFrame(framebuffer, renderbuffers, w, h)) {
        Report("cannot create a %dx%d framebuffer object", w, h);
        Destroy();
        return false;
    }
    // The hidden window's own framebuffer is never drawn: the scenes' frame
    // is the object above, read back by glReadPixels.
    glViewport(0, 0, w, h);
    width = w;
    height = h;
    device = "hidden window, framebuffer object";
    return true;
}

void HeadlessGl::Destroy() {
    if (!display)
        return;
    if (framebuffer) {
        glBindFramebufferEXT(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffersEXT(1, &framebuffer);
        glDeleteRenderbuffersEXT(2, renderbuffers);
    }
    if (context)
        glfwDestroyWindow(static_cast<GLFWwindow*>(context));
    glfwTerminate();
    display = surface = context = nullptr;
    framebuffer = renderbuffers[0] = renderbuffers[1] = 0;
    width = height = 0;
}
