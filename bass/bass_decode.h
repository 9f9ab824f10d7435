// Ogg Vorbis decoding for stream creation: the whole file is decoded into a
// PcmBuffer up front, so playback, seeking and the spectrum never touch the
// file again. Called on the thread that creates streams.
#pragma once

#include "bass/bass_pcm.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Reads `length` bytes from `offset` (length 0: to the end of the file).
// Returns 0, or BASS_ERROR_FILEOPEN when the file cannot be opened or read.
int ReadFileBytes(const char* path, uint64_t offset, uint64_t length, std::vector<uint8_t>& out);

// Decodes Ogg Vorbis bytes. Returns 0, or BASS_ERROR_FILEFORM when the bytes do
// not begin with complete Vorbis headers. A body damaged after the headers
// yields whatever decodes; decoding stops at a chained section whose rate or
// channel count differs from the first.
int DecodeOggVorbis(const uint8_t* data, size_t size, PcmBuffer& out);

// The same samples as DecodeOggVorbis, decoded in two halves side by side on
// two threads where the file allows it (one seekable stream, more than ten
// seconds, exactly as long as its headers say): libvorbisfile seeks
// sample-exactly, so the halves join into what one pass gives. Any other file,
// or a hole or an error in either half, is decoded in one pass.
int DecodeOggVorbisSideBySide(const uint8_t* data, size_t size, PcmBuffer& out);

// Whether DecodeOggVorbisSideBySide would decode these bytes in two halves.
bool DecodesSideBySide(const uint8_t* data, size_t size);
