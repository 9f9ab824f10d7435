#include "bass/bass_decode_ahead.h"

#include "bass/audio_options.h"
#include "bass/bass_decode.h"

int FillStream(Stream& stream, const uint8_t* data, size_t size) {
    return DecodeOggVorbis(data, size, stream.pcm);
}

// Every stream is decoded whole when it is made.
void AudioDecodeAhead() {}
