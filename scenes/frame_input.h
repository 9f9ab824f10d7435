// What one frame is drawn from. The frame loop (or the offline renderer)
// reads the music once per frame and hands this to the production; nothing
// below it asks the music for anything.
#pragma once

struct FrameInput {
    double time;           // music time in seconds
    const float* spectrum; // the 128 FFT magnitudes heard at that time, bin 0 lowest
};
