// Which music times a sequence or video draws, and the names its files get.
// Frame i of a stretch starting at `from` is drawn at exactly from + i / fps,
// computed afresh for every frame so that no rounding error accumulates.
#pragma once
// Frame numbers are 64-bit everywhere (long is 32 bits on Windows).

#include <cstddef>
#include <cstdint>

double FrameTime(double from, int fps, int64_t frame);
// The number of frames whose time lies in [from, to).
int64_t FrameCount(double from, double to, int fps);

// Global frame indices [begin, end) of a stretch's part.
struct FrameRange {
    int64_t begin = 0;
    int64_t end = 0;
};
// The k-th (1-based) of n runs of `total` frames: the runs are as equal as
// whole frames allow, follow each other without gap or overlap, and together
// hold every frame once.
FrameRange SegmentFrames(int64_t total, int k, int n);

// "042.600.png": the time in milliseconds, padded so that names sort by time.
void StillName(double seconds, char* name, size_t size);
// "000123.png".
void SequenceName(int64_t frame, char* name, size_t size);
