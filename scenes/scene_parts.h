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

// Scene 4's post pass in its two steps: the render target copied onto the
// cleared window as it is (its texture left bound), then the post program's
// output added on top with "c" = 50 × the mid level (the texture unbound).
void DrawPlainCopy();
void AddGlow(float midLevel);

// The greeting image for a value of the index track: its whole part, kept
// within the seven images (also for a NaN).
int GreetingIndex(double value);
