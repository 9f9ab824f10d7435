// Start-up steps shared by the production and the offline renderer: the
// letterboxed viewport, decoding the music ahead, and the loading table.
#pragma once

#include "app/window.h"
#include "audio/music.h"
#include "scenes/production.h"
#include "scenes/viewport.h"

// The largest centred 16:9 area of a width × height window, in truncating
// integer arithmetic.
Viewport ComputeViewport(int width, int height);
// Opens the window (OpenWindow), checks its GL, sets the letterboxed viewport
// and draws the loading image into it, not yet shown: the caller swaps, or
// the browser shows it when the page's frame ends. False when the window or
// its GL falls short; the reason is printed and the window is closed.
bool OpenWithLoadingScreen(bool fullscreen, const WindowChoice& choice, Playback& playback,
                           Window& window, Viewport& viewport, Production& production);
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
// --start: the music begins at T instead of at its start. Without it the
// music starts at 0 as always, even where its length reads as 0 (damaged
// after its headers: what decodes plays, and the run ends). False, with a
// line on stderr, for a T at or past the end.
bool StartAt(Music& music, double start);
