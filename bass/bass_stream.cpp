#include "bass/bass_stream.h"

#include "bass/bass_blocks.h"
#include "bass/bass_library.h"
#include "bass/bass_spectrum.h"

#include <algorithm>
#include <cmath>

Stream::Stream() = default;
Stream::~Stream() = default;

void Stream::Open(Voice* outputVoice) {
    voice = outputVoice;
    freeClock.Reset(double(pcm.rate), pcm.frames);
    heardClock.Reset(double(pcm.rate), pcm.frames);
    DecodeAround(0);
}

int64_t Stream::Frame() {
    double now = SteadySeconds();
    if (!voice)
        return freeClock.Frame(now);
    double offset = 0.0;
    bool heard = voice->Heard(&offset);
    return int64_t(std::floor(heardClock.Frame(now, heard ? &offset : nullptr)));
}

void Stream::Play() {
    double now = SteadySeconds();
    if (!voice) {
        freeClock.Play(now);
        return;
    }
    if (heardClock.Playing())
        return;
    int64_t from = Frame();
    heardClock.Play(now);
    voice->Post(true, from);
}

void Stream::Stop() {
    double now = SteadySeconds();
    if (!voice) {
        freeClock.Stop(now);
        return;
    }
    double offset = 0.0;
    bool heard = voice->Heard(&offset);
    heardClock.Stop(now, heard ? &offset : nullptr);
    voice->Post(false, Frame());
}

void Stream::MoveTo(int64_t frame) {
    frame = std::clamp<int64_t>(frame, 0, pcm.frames);
    DecodeAround(frame);
    double now = SteadySeconds();
    if (!voice) {
        freeClock.MoveTo(frame, now);
        return;
    }
    heardClock.MoveTo(frame, now);
    voice->Post(heardClock.Playing(), frame);
}

void Stream::Decode(int64_t from, int64_t to) {
    if (blocks)
        blocks->Decode(from, to);
}

// The spectrum's frames before the position and a block of sound after it.
void Stream::DecodeAround(int64_t frame) {
    Decode(frame - kSpectrumFrames, frame + BlockDecoder::kBlockFrames);
}
