// Start-up steps shared by the production and the offline renderer: the
// letterboxed viewport, decoding the music ahead, and the loading table.
#pragma once

#include "audio/music.h"
#include "scenes/production.h"
#include "scenes/viewport.h"

// The largest centred 16:9 area of a width × height window, in truncating
// integer arithmetic.
Viewport ComputeViewport(int width, int height);
// Decodes the music file on a thread of its own while the window opens and
// the images and programs load; it touches no sound device. Music::Load takes
// the result (or decodes the file itself where this was not called).
void StartDecodingMusic();
// The loading steps after the loading screen: the production's (its render
// target of the viewport's size), then the music, last, once every image and
// program is ready. False when a step that start-up depends on
// fails (it has printed its own message).
bool LoadProduction(Production& production, Music& music, const Viewport& viewport,
                    float displayScale, GLuint windowFramebuffer = 0);
