// The spectrum bands the scenes pulse with, reduced once per pass from the
// frame's spectrum (128 FFT magnitudes, bin 0 lowest).
#pragma once

float LowLevel(const float* spectrum); // mean of bins 0..2
float MidLevel(const float* spectrum); // 1 + ten times the mean of bins 4..13, in single precision
// The post program's "s" for a mid level: 500 - 50 × level, truncated toward
// zero; zero and below for loud music.
int PostStrength(float midLevel);
