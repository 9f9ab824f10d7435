// How a new stream's sound comes into memory, one implementation per build:
//
// The desktop (bass_decode_ahead.cpp) decodes each stream whole when it is
// made, or takes a prefetch's result (bass_prefetch.h); decoding a few
// minutes of music takes a good part of a second there.
//
// The web build (bass_decode_ahead_web.cpp) has no threads, and a whole decode
// takes seconds in WebAssembly: a stream is made with its length and format
// and a BlockDecoder (bass_blocks.h), which decodes the frames around each new
// position at once (Stream) and the rest a block at a time from
// AudioDecodeAhead, between frames.
//
// Called on the thread that makes the library calls.
#pragma once

#include "bass/bass_stream.h"

#include <cstddef>
#include <cstdint>

// Fills `stream.pcm` from Ogg Vorbis bytes, as far as the build decodes at
// once. Returns 0 or the decoder's error code.
int FillStream(Stream& stream, const uint8_t* data, size_t size);
