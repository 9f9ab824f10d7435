// One stream as the library calls see it: its decoded sound and the clock of
// the device it was created on: the "no sound" device's steady clock, or the
// output device's heard clock fed by its Voice. Positions are whole frames in
// 0..length; while stopped the position stays, after the end it is the length.
// Called on the thread that makes the library calls.
#pragma once

#include "bass/bass_clock.h"
#include "bass/bass_pcm.h"

#include <cstdint>
#include <memory>

class BlockDecoder;
class Voice; // the output's: bass_voice.h, or bass_voice_web.h in the web build

class Stream {
  public:
    PcmBuffer pcm;
    // Null where pcm is decoded whole when the stream is made (the desktop).
    // In the web build, the decoder that fills pcm block by block: the frames
    // around each new position at once, the rest between frames.
    std::unique_ptr<BlockDecoder> blocks;

    Stream();
    ~Stream();
    // `voice` null: the no-sound device. Call once pcm is filled, or its
    // decoder opened.
    void Open(Voice* voice);
    int64_t Frame();
    void Play();
    void Stop();
    // Clamped to 0..length; keeps playing or stopped as it was.
    void MoveTo(int64_t frame);
    // Makes sure frames [from, to) are decoded.
    void Decode(int64_t from, int64_t to);
    Voice* OutputVoice() const { return voice; }

  private:
    void DecodeAround(int64_t frame);

    Voice* voice = nullptr;
    FreeClock freeClock;
    HeardClock heardClock;
};
