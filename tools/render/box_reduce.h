// Shrinks a packed RGB picture by a whole factor each way: each output pixel
// is the rounded mean of a factor × factor block. Allocates nothing.
#pragma once

// `from`: (width × factor) × (height × factor) pixels; `to`: width × height.
// `fromStride` and `toStride`: bytes from one row to the next.
void BoxReduce(const unsigned char* from, int fromStride, int factor, int width, int height,
               unsigned char* to, int toStride);
