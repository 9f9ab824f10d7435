#include "bass/bass_voice.h"

#include "bass/bass_mix.h"

namespace {

// A command word: generation (23 bits), playing (1 bit), frame (40 bits:
// about 290 days at 44.1 kHz, more than any stream decoded into memory).
constexpr int kFrameBits = 40;
constexpr uint64_t kFrameMask = (uint64_t(1) << kFrameBits) - 1;
constexpr uint32_t kGenerationMask = (1u << 23) - 1;

uint64_t Pack(uint32_t generation, bool playing, int64_t frame) {
    return uint64_t(generation) << (kFrameBits + 1) | uint64_t(playing) << kFrameBits |
           (uint64_t(frame) & kFrameMask);
}

uint32_t GenerationOf(uint64_t word) {
    return uint32_t(word >> (kFrameBits + 1));
}

} // namespace

void Voice::Attach(const PcmBuffer* source, double outputRate) {
    pcm = source;
    step = double(source->rate) / outputRate;
}

void Voice::Post(bool play, int64_t frame) {
    posted = (posted + 1) & kGenerationMask;
    command.store(Pack(posted, play, frame), std::memory_order_release);
}

bool Voice::Heard(double* offset) const {
    // A report is two words; retry while the output thread is writing one.
    for (int attempt = 0; attempt < 64; ++attempt) {
        uint32_t before = reportSeq.load(std::memory_order_acquire);
        if (before & 1)
            continue;
        uint32_t generation = reportGeneration.load(std::memory_order_relaxed);
        double value = reportOffset.load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (reportSeq.load(std::memory_order_relaxed) != before)
            continue;
        if (generation != posted)
            return false;
        *offset = value;
        return true;
    }
    return false;
}

void Voice::Render(float* out, unsigned long frames, int outChannels, double dacTime) {
    Follow(command.load(std::memory_order_acquire));
    if (!playing)
        return;
    Report(generation, line.Add(cursor, dacTime, double(pcm->rate)));
    cursor = MixFrames(*pcm, cursor, step, out, frames, outChannels);
}

void Voice::Follow(uint64_t word) {
    uint32_t newest = GenerationOf(word);
    if (newest == generation)
        return;
    generation = newest;
    playing = (word >> kFrameBits) & 1;
    cursor = double(word & kFrameMask);
    line.Reset();
}

void Voice::Report(uint32_t gen, double offset) {
    uint32_t seq = reportSeq.load(std::memory_order_relaxed);
    reportSeq.store(seq + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    reportGeneration.store(gen, std::memory_order_relaxed);
    reportOffset.store(offset, std::memory_order_relaxed);
    reportSeq.store(seq + 2, std::memory_order_release);
}
