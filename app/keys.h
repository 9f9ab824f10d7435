// The playback keys: Escape quits, Left and Right seek five seconds, Space
// pauses (printing the music time) and resumes. Runs inside glfwPollEvents.
#pragma once

struct GLFWwindow;

extern bool playing;

void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);
