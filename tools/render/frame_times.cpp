#include "tools/render/frame_times.h"

#include <cmath>
#include <cstdio>

double FrameTime(double from, int fps, long frame) {
    return from + static_cast<double>(frame) / fps;
}

long FrameCount(double from, double to, int fps) {
    if (!(to > from))
        return 0;
    // The product is close to the answer; the frame times themselves decide
    // the last step, so a frame exactly at `to` is left out and none short of
    // it is lost to rounding.
    long count = static_cast<long>(std::ceil((to - from) * fps));
    while (count > 0 && FrameTime(from, fps, count - 1) >= to)
        --count;
    while (FrameTime(from, fps, count) < to)
        ++count;
    return count;
}

FrameRange SegmentFrames(long total, int k, int n) {
    // Each boundary is worked out from the total alone, so the end of run k
    // is the beginning of run k + 1 whichever process computes it.
    auto boundary = [total, n](int i) {
        return static_cast<long>(static_cast<long long>(total) * i / n);
    };
    return {boundary(k - 1), boundary(k)};
}

void StillName(double seconds, char* name, size_t size) {
    std::snprintf(name, size, "%07.3f.png", seconds);
}

void SequenceName(long frame, char* name, size_t size) {
    std::snprintf(name, size, "%06ld.png", frame);
}
