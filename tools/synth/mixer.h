// Renders a score to a stereo mix: every note through its instrument, panned,
// summed with its channel's gain, sent to the reverb and the echo, the rest
// ducked under the kick; and the master limiter the sum goes through. Each
// effect is in a file of its own.
#pragma once

#include <cstddef>
#include <vector>

#include "score.h"

struct StereoBuffer {
    std::vector<float> left, right;
    explicit StereoBuffer(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t Frames() const { return left.size(); }
};

// The finished mix of `seconds` length, through the master limiter and faded
// out over its last half second; notes that ring past the end are cut there.
StereoBuffer RenderMix(const Score& score, double seconds);

// A stereo hall reverb: parallel damped comb filters into series all-passes,
// the right channel's delays a little longer than the left's for width.
// Adds the reverberated mono input to out.
void AddReverb(const std::vector<float>& in, StereoBuffer& out);

// A ping-pong echo: repeats bounce between the channels, each one darker.
// Adds echoes of the mono input to out: first on the left after `seconds`,
// then alternating, each repeat scaled by feedback.
void AddEcho(const std::vector<float>& in, StereoBuffer& out, double seconds, float feedback,
             float wet);

// Side-chain ducking: everything but the kick dips each time the kick hits
// and swells back before the next beat. It keeps the kick clear of the rest
// of the mix, so the sum needs less limiting, and gives the groove its pump.
// Gain per frame for the non-kick part of the mix: 1 - depth × velocity at a
// kick's onset (reached over 4 ms), recovering exponentially with `release`
// seconds. Overlapping dips take the deeper one.
std::vector<float> KickDucking(const Score& score, std::size_t frames, float depth, double release);

// The master limiter: a look-ahead gain rider that keeps every sample within
// a ceiling without distorting the waveform. It rides the level down wherever
// it would pass ceiling: the gain falls in a straight ramp over the
// `lookAhead` seconds before a peak and recovers exponentially with the
// `release` time after it.
void Limit(StereoBuffer& mix, float ceiling, double lookAhead, double release);
