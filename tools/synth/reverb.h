// A stereo hall reverb: parallel damped comb filters into series all-passes,
// the right channel's delays a little longer than the left's for width.
#pragma once

#include <cstddef>
#include <vector>

struct StereoBuffer {
    std::vector<float> left, right;
    explicit StereoBuffer(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t Frames() const { return left.size(); }
};

// Adds the reverberated mono input to out, scaled by wet.
void AddReverb(const std::vector<float>& in, StereoBuffer& out, float wet);
