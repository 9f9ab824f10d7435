#include "bass/bass_stream.h"

#include <algorithm>
#include <cmath>

void Stream::Open(Voice* outputVoice) {
    voice = outputVoice;
    freeClock.Reset(double(pcm.rate), pcm.frames);
    heardClock.Reset(double(pcm.rate), pcm.frames);
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
    double now = SteadySeconds();
    if (!voice) {
        freeClock.MoveTo(frame, now);
        return;
    }
    heardClock.MoveTo(frame, now);
    voice->Post(heardClock.Playing(), frame);
}
