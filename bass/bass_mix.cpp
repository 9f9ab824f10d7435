#include "bass/bass_mix.h"

#include <cmath>

namespace {

constexpr float kScale = 1.0f / 32768.0f;

// The value of source channel `channel` at a whole frame; channel -1 is the
// mix of all channels. Zero outside the stream.
float SourceValue(const PcmBuffer& pcm, int64_t frame, int channel) {
    if (frame < 0 || frame >= pcm.frames)
        return 0.0f;
    const int16_t* values = pcm.Frame(frame);
    if (channel >= 0)
        return values[channel] * kScale;
    int sum = 0;
    for (int c = 0; c < pcm.channels; ++c)
        sum += values[c];
    return sum * kScale / pcm.channels;
}

float Interpolated(const PcmBuffer& pcm, double position, int channel) {
    double whole = std::floor(position);
    float fraction = float(position - whole);
    int64_t frame = int64_t(whole);
    float value = SourceValue(pcm, frame, channel);
    if (fraction == 0.0f)
        return value;
    return value + (SourceValue(pcm, frame + 1, channel) - value) * fraction;
}

// Which source channel feeds output channel `out`; -1 for the mix.
int SourceChannel(int sourceChannels, int outChannels, int out) {
    if (outChannels == 1 || sourceChannels > 2)
        return -1;
    return sourceChannels == 1 ? 0 : out % 2;
}

} // namespace

double MixFrames(const PcmBuffer& pcm, double cursor, double step, float* out, unsigned long frames,
                 int outChannels) {
    for (unsigned long i = 0; i < frames; ++i, cursor += step) {
        if (cursor >= double(pcm.frames))
            return cursor + step * double(frames - i);
        for (int c = 0; c < outChannels; ++c)
            out[i * outChannels + c] +=
                Interpolated(pcm, cursor, SourceChannel(pcm.channels, outChannels, c));
    }
    return cursor;
}
