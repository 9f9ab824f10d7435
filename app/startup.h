// Start-up steps shared by the production and the offline renderer: the
// letterboxed viewport, the loading screen and the loading table.
#pragma once

struct Viewport {
    int x, y, width, height;
};

// The largest centred 16:9 area of a width × height window, in truncating
// integer arithmetic.
Viewport ComputeViewport(int width, int height);
// Decodes the music file on a thread of its own while the window opens and
// the images and programs load; it touches no sound device. Music::Load takes
// the result (or decodes the file itself where this was not called).
void StartDecodingMusic();
// Loads "./resource/loading.png" and draws it once (no clear, no swap).
void DrawLoadingScreen(float aspect);
// Loading steps 2 to 15: textures, tracks, scene data, particle system, render
// target of the viewport's size, shader programs and music. False when a step
// that start-up depends on fails (it has printed its own message).
bool LoadProduction(const Viewport& viewport);
