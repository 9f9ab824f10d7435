// One stream's link to the output thread. The calling thread posts commands
// ("play from frame F", "stopped at frame F"), each a new generation packed in
// one atomic word; the output thread renders the newest command and answers
// with the heard line's offset (see HeardLine) for the generation it plays,
// through a sequence lock. Neither side ever waits for the other.
#pragma once

#include "bass/bass_clock.h"
#include "bass/bass_pcm.h"

#include <atomic>
#include <cstdint>

class Voice {
  public:
    // Calling thread. Attach before the voice is handed to the output thread.
    void Attach(const PcmBuffer* pcm, double outputRate);
    void Post(bool playing, int64_t frame);
    // False until the output thread has played the newest command.
    bool Heard(double* offset) const;

    // Output thread: adds this voice's next frames into `out`; `dacTime` is
    // the steady time at which the buffer's first frame reaches the converter.
    void Render(float* out, unsigned long frames, int outChannels, double dacTime);

  private:
    void Report(uint32_t generation, double offset);
    void Follow(uint64_t word);

    const PcmBuffer* pcm = nullptr;
    double step = 1.0; // source frames per output frame

    std::atomic<uint64_t> command{0};
    uint32_t posted = 0;

    std::atomic<uint32_t> reportSeq{0};
    std::atomic<uint32_t> reportGeneration{~0u}; // no generation has played yet
    std::atomic<double> reportOffset{0.0};

    // Owned by the output thread.
    uint32_t generation = 0;
    bool playing = false;
    double cursor = 0.0;
    HeardLine line;
};
