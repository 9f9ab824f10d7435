// One stream as the library calls see it: its decoded sound and the clock of
// the device it was created on: the "no sound" device's steady clock, or the
// output device's heard clock fed by its Voice. Positions are whole frames in
// 0..length; while stopped the position stays, after the end it is the length.
// Called on the thread that makes the library calls.
#pragma once

#include "bass/bass_clock.h"
#include "bass/bass_pcm.h"
#include "bass/bass_voice.h"

#include <cstdint>

class Stream {
  public:
    PcmBuffer pcm;

    // `voice` null: the no-sound device. Call once pcm is filled.
    void Open(Voice* voice);
    int64_t Frame();
    void Play();
    void Stop();
    // Clamped to 0..length; keeps playing or stopped as it was.
    void MoveTo(int64_t frame);

  private:
    Voice* voice = nullptr;
    FreeClock freeClock;
    HeardClock heardClock;
};
