// A decoded stream held whole in memory: 16-bit signed interleaved PCM at the
// file's own rate and channel count. Filled once when the stream is created and
// never changed afterwards, so the output thread may read it without a lock.
#pragma once

#include <cstdint>
#include <vector>

struct PcmBuffer {
    std::vector<int16_t> samples; // frames × channels values, interleaved
    int channels = 0;
    long rate = 0; // frames per second
    int64_t frames = 0;

    int FrameBytes() const { return channels * 2; }
    const int16_t* Frame(int64_t index) const { return samples.data() + index * channels; }
};
