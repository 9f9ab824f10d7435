#include "bass/bass_decode_ahead.h"

#include "bass/audio_options.h"
#include "bass/bass_blocks.h"
#include "bass/bass_library.h"
#include "bass/bass_prefetch.h"

#include <memory>

int FillStream(Stream& stream, const uint8_t* data, size_t size) {
    stream.blocks = std::make_unique<BlockDecoder>();
    return stream.blocks->Open(data, size, stream.pcm);
}

// One block per stream and call: the decoding goes on from where each stream
// is heard, so it stays ahead of its sound and its spectrum.
void AudioDecodeAhead() {
    BassLibrary::Calls& calls = bass.calls;
    for (int i = 0; i < calls.streamCount; ++i) {
        Stream& stream = *calls.streams[i];
        stream.blocks->DecodeNext(stream.Frame());
        if (Voice* voice = stream.OutputVoice())
            voice->Feed(*stream.blocks);
    }
}

// No prefetch in the web build: it has no threads, and a stream is made
// without decoding it whole anyway.
void StartPrefetch(const char*) {}

bool TakePrefetch(const char*, const std::vector<uint8_t>&, PcmBuffer&, int&) {
    return false;
}
