#include "bass/bass_blocks.h"

#include "bass/bass.h"
#include "bass/bass_decode.h"

#include <algorithm>
#include <cmath>

namespace {

// The conversion ov_read makes where the desktop runs (x86-64, SSE2): the
// value scaled in float, rounded to the nearest integer (ties to even) as a
// double, clipped; a value beyond the int range (or NaN) converts to the
// lowest int, so it clips to -32768. Made here from ov_read_float's values,
// it gives the desktop's samples on every target, also where libvorbisfile's
// own conversion rounds ties up (WebAssembly).
int16_t ToSample(float value) {
    const double scaled = std::nearbyint(double(value * 32768.0f));
    if (!(std::fabs(scaled) < 2147483648.0))
        return -32768;
    return int16_t(std::clamp(scaled, -32768.0, 32767.0));
}

void Store(float* const* channels, long frames, int channelCount, int16_t* out) {
    for (long i = 0; i < frames; ++i)
        for (int c = 0; c < channelCount; ++c)
            *out++ = ToSample(channels[c][i]);
}

} // namespace

BlockDecoder::~BlockDecoder() {
    if (open)
        ov_clear(&vf);
}

int BlockDecoder::Open(const uint8_t* data, size_t size, PcmBuffer& out) {
    bytes.assign(data, data + size);
    reader = MemoryReader{bytes.data(), bytes.size(), 0};
    open = OpenOggVorbis(reader, vf);
    if (!open)
        return BASS_ERROR_FILEFORM;
    pcm = &out;
    if (!HoldsItsLength(vf)) {
        int code = DecodeOggVorbis(bytes.data(), bytes.size(), out);
        decoded.assign(size_t(BlockCount()), true);
        return code;
    }
    const vorbis_info* info = ov_info(&vf, -1);
    out.channels = info->channels;
    out.rate = info->rate;
    out.frames = ov_pcm_total(&vf, -1);
    out.samples.assign(size_t(out.frames) * size_t(out.channels), 0);
    undecoded = BlockCount();
    decoded.assign(size_t(undecoded), false);
    return 0;
}

void BlockDecoder::Decode(int64_t from, int64_t to) {
    from = std::max<int64_t>(from, 0);
    to = std::min(to, pcm ? pcm->frames : 0);
    for (int64_t block = from / kBlockFrames; from < to && block <= (to - 1) / kBlockFrames;
         ++block)
        if (!decoded[size_t(block)])
            DecodeBlock(block);
}

bool BlockDecoder::DecodeNext(int64_t frame) {
    if (undecoded == 0)
        return false;
    const int64_t count = BlockCount();
    const int64_t first = std::clamp<int64_t>(frame / kBlockFrames, 0, count - 1);
    for (int64_t i = 0; i < count; ++i) {
        const int64_t block = (first + i) % count;
        if (!decoded[size_t(block)]) {
            DecodeBlock(block);
            return true;
        }
    }
    return false;
}

int64_t BlockDecoder::DecodedEnd(int64_t frame) const {
    const int64_t length = pcm ? pcm->frames : 0;
    int64_t block = std::max<int64_t>(frame, 0) / kBlockFrames;
    while (block < BlockCount() && decoded[size_t(block)])
        ++block;
    return std::clamp(block * kBlockFrames, std::min(frame, length), length);
}

int64_t BlockDecoder::BlockCount() const {
    return pcm ? (pcm->frames + kBlockFrames - 1) / kBlockFrames : 0;
}

// A block that cannot be read (an error, an early end) stays silent from
// there, as the whole decode stops there.
void BlockDecoder::DecodeBlock(int64_t block) {
    decoded[size_t(block)] = true;
    --undecoded;
    int64_t frame = block * kBlockFrames;
    const int64_t end = std::min(frame + kBlockFrames, pcm->frames);
    if (ov_pcm_tell(&vf) != frame && ov_pcm_seek(&vf, frame) != 0)
        return;
    int section = 0;
    while (frame < end) {
        float** channels = nullptr;
        const long got = ov_read_float(&vf, &channels, int(end - frame), &section);
        if (got == OV_HOLE)
            continue; // a gap in the pages: keep what follows, as the whole decode does
        if (got <= 0)
            break;
        Store(channels, got, pcm->channels, pcm->samples.data() + frame * pcm->channels);
        frame += got;
    }
}
