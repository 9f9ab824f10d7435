// The frame loop: one frame per pass, drawn from the music position, until
// the music has played to its end or a close is requested.
#pragma once

struct GLFWwindow;

void RunFrameLoop(GLFWwindow* window);
