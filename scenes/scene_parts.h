// Passes of single scenes, drawn by their renderers and, one at a time, by the
// pass benchmark.
#pragma once

// Scene 3: binds the render target, clears it and draws the wave grid at
// scene time t with the given mid level; unbinds the target, leaving the depth
// test on and the 3-D matrices loaded.
void DrawWaveGrid(float t, float midLevel);

// Scene 4: binds the render target, clears it and draws the particle cloud
// turned by `angle` degrees about each axis, additively without depth; unbinds
// the target.
void DrawCloud(float angle);

// The greeting image for a value of the index track: its whole part, kept
// within the seven images (also for a NaN).
int GreetingIndex(double value);
