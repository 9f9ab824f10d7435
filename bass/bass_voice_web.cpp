#include "bass/bass_voice_web.h"

#include "bass/bass_clock.h"
#include "bass/bass_mix.h"
#include "bass/bass_web_audio.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kChannels = 2;

} // namespace

void Voice::Attach(const PcmBuffer* source, double outputRate, int voiceId) {
    pcm = source;
    rate = outputRate;
    step = double(source->rate) / outputRate;
    id = voiceId;
    mixed.assign(size_t(kChunkFrames) * kChannels, 0.0f);
    planar.assign(size_t(kChunkFrames) * kChannels, 0.0f);
}

void Voice::Post(bool play, int64_t frame) {
    WebAudioCancel(id);
    playing = play;
    cursor = double(frame);
    running = false;
    postedAt = WebAudioTime();
    postedFrame = cursor;
}

bool Voice::Heard(double* offset) const {
    if (!playing)
        return false;
    // A run not scheduled yet starts kLeadSeconds after the context's time at
    // the earliest: nothing of it is heard before then.
    const double start = running ? double(segmentStart) / rate : WebAudioTime() + kLeadSeconds;
    const double from = running ? segmentFrame : cursor;
    const double heardTime = WebAudioHeardTime();
    const double now = SteadySeconds();
    const double sourceRate = double(pcm->rate);
    const double heard = std::min(from + (heardTime - start) * sourceRate, cursor);
    *offset = heard - now * sourceRate;
    return true;
}

void Voice::Feed(const BlockDecoder& blocks) {
    if (!playing)
        return;
    const double now = WebAudioTime();
    for (;;) {
        const bool joins = running && End() >= now + kLeadSeconds;
        if (joins && End() >= now + kAheadSeconds)
            return;
        if (!joins)
            CatchUp(now);
        const int frames = Available(blocks);
        if (frames == 0)
            return;
        if (!joins)
            StartSegment(now);
        Schedule(frames);
    }
}

// An output frame at source position p reads frame floor(p) and, where p
// falls between two, the next one too: it needs p <= last decoded frame.
// Past the end it reads silence.
int Voice::Available(const BlockDecoder& blocks) const {
    const double length = double(pcm->frames);
    if (cursor >= length)
        return 0;
    const double ready = double(blocks.DecodedEnd(int64_t(cursor)));
    const double frames = ready >= length ? std::ceil((length - cursor) / step)
                                          : std::floor((ready - 1.0 - cursor) / step) + 1.0;
    return int(std::clamp(frames, 0.0, double(kChunkFrames)));
}

double Voice::End() const {
    return double(segmentStart + segmentFrames) / rate;
}

// Where a segment starting now is heard: the lead after the context's time,
// and the output's latency after that.
void Voice::CatchUp(double now) {
    if (postedAt < 0.0)
        return;
    const double start = std::ceil((now + kLeadSeconds) * rate) / rate;
    const double late = start + (now - WebAudioHeardTime()) - postedAt;
    cursor = std::min(postedFrame + late * double(pcm->rate), double(pcm->frames));
}

void Voice::StartSegment(double now) {
    running = true;
    segmentStart = int64_t(std::ceil((now + kLeadSeconds) * rate));
    postedAt = -1.0;
    segmentFrame = cursor;
    segmentFrames = 0;
}

void Voice::Schedule(int frames) {
    std::fill(mixed.begin(), mixed.end(), 0.0f);
    cursor = MixFrames(*pcm, cursor, step, mixed.data(), (unsigned long)frames, kChannels);
    for (int i = 0; i < frames; ++i) {
        planar[size_t(i)] = mixed[size_t(i) * kChannels];
        planar[size_t(kChunkFrames + i)] = mixed[size_t(i) * kChannels + 1];
    }
    WebAudioSchedule(id, planar.data(), frames, kChunkFrames, End());
    segmentFrames += frames;
}
