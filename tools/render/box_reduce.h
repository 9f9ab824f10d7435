// Shrinks a picture by a whole factor each way: each output pixel is the
// rounded mean of a factor × factor block, written as packed RGB. Allocates
// nothing.
#pragma once

// `from`: (width × factor) × (height × factor) pixels of `channels` bytes
// (3: RGB, 4: RGBA, whose alpha is left out); `to`: width × height RGB.
// `fromStride` and `toStride`: bytes from one row to the next (negative to
// read rows upwards). Factors 1 to 4.
void BoxReduce(const unsigned char* from, long fromStride, int channels, int factor, int width,
               int height, unsigned char* to, long toStride);
