#include "tools/render/frame_times.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>

double FrameTime(double from, int fps, int64_t frame) {
    return from + static_cast<double>(frame) / fps;
}

int64_t FrameCount(double from, double to, int fps) {
    if (!(to > from))
        return 0;
    // The product is close to the answer; the frame times themselves decide
    // the last step, so a frame exactly at `to` is left out and none short of
    // it is lost to rounding.
    int64_t count = static_cast<int64_t>(std::ceil((to - from) * fps));
    while (count > 0 && FrameTime(from, fps, count - 1) >= to)
        --count;
    while (FrameTime(from, fps, count) < to)
        ++count;
    return count;
}

FrameRange SegmentFrames(int64_t total, int k, int n) {
    // Each boundary is worked out from the total alone, so the end of run k
    // is the beginning of run k + 1 whichever process computes it.
    auto boundary = [total, n](int i) { return total * i / n; };
    return {boundary(k - 1), boundary(k)};
}

void StillName(double seconds, char* name, size_t size) {
    std::snprintf(name, size, "%07.3f.png", seconds);
}

void SequenceName(int64_t frame, char* name, size_t size) {
    std::snprintf(name, size, "%06" PRId64 ".png", frame);
}
