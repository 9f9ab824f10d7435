// The frame loop: one frame per pass, drawn from the music position, until
// the music has played to its end or a close is requested. With `loop` the
// end of the music starts it again from the beginning instead, so only a
// close request ends the loop.
#pragma once

#include "app/keys.h"
#include "scenes/production.h"

struct GLFWwindow;

// One frame: the music's position and the spectrum heard there, then the
// frame drawn from them into the current framebuffer. Returns the time drawn.
double DrawFrame(Production& production, Music& music);

void RunFrameLoop(GLFWwindow* window, Production& production, Playback& playback,
                  bool loop = false);
