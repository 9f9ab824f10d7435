// Fuzz target: any bytes as the music file, through what
// BASS_StreamCreateFile(mem = TRUE) does on the "no sound" device (decode the
// whole file, open the stream's clock) and what the frame loop then asks of
// the stream: moves to positions before, inside and past the sound, and the
// spectrum at each. Every spectrum value must be a finite, non-negative number.
//
// The library's own calls cannot be used as they are: its stream table keeps
// every stream for the life of the process (the output thread may read them)
// and holds 64, so after 64 good inputs every call would fail before decoding.
// Here each input gets a stream of its own that is freed after it.
#include "bass/bass_decode.h"
#include "bass/bass_spectrum.h"
#include "bass/bass_stream.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The positions a viewer reaches: the start, seeks into the middle and to
// the end, and one beyond it (which the stream clamps to its length).
void CheckSpectra(Stream& stream) {
    const int64_t length = stream.pcm.frames;
    const int64_t positions[] = {0,      kSpectrumFrames / 2, length / 3, length - 1,
                                 length, length + 7};
    float bins[kSpectrumBins];
    for (int64_t position : positions) {
        stream.MoveTo(position);
        const int64_t frame = stream.Frame();
        if (frame < 0 || frame > length)
            std::abort();
        ComputeSpectrum(stream.pcm, frame, bins);
        for (float value : bins)
            if (!std::isfinite(value) || value < 0.0f)
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!PrepareSpectrum())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Stream stream;
    if (DecodeOggVorbis(data, size, stream.pcm) != 0)
        return 0;
    if (stream.pcm.channels < 1 || stream.pcm.rate < 1 ||
        stream.pcm.samples.size() != size_t(stream.pcm.frames) * size_t(stream.pcm.channels))
        std::abort();
    stream.Open(nullptr);
    CheckSpectra(stream);
    return 0;
}
