// The renderers the timeline calls, one per section. Each takes the absolute
// music time in seconds, subtracts its own section start, and draws the whole
// frame into the window's back buffer.
#pragma once

void RenderLineFieldScene(double t);
void RenderAnimatedTitleScene(double t);
void RenderWaveGridScene(double t);
void RenderGreetingsScene(double t);
void RenderClosing(double t);
void RenderCredits(double t);

// Spectrum bands the scenes pulse with, computed from `spectrum` once a frame.
float LowLevel(); // mean of bins 0..2
float MidLevel(); // 1 + ten times the mean of bins 4..13, in single precision
// The post program's "s" for a mid level: 500 - 50 × level, truncated toward
// zero; zero and below for loud music.
int PostStrength(float midLevel);
