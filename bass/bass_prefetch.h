// Decoding ahead. The music is the last thing start-up loads, and decoding a
// few minutes of it takes a good part of a second; a prefetch decodes the
// file on threads of its own (two halves side by side where the file allows)
// while the window opens and the images and programs load. A stream
// created later from the same file takes the finished decode instead of
// decoding again, but only when the bytes it reads are exactly the bytes the
// prefetch decoded, so the result is the same as without a prefetch. Called
// on the thread that creates streams.
#pragma once

#include "bass/bass_pcm.h"

#include <cstdint>
#include <vector>

// Starts decoding the whole file at `path`; a prefetch still running or not
// taken is dropped first.
void StartPrefetch(const char* path);

// When a prefetch of `path` read exactly `bytes`: waits for it to finish,
// moves its result into `pcm`, sets `code` (0 or the decoder's error) and
// returns true. Otherwise false, and nothing is changed.
bool TakePrefetch(const char* path, const std::vector<uint8_t>& bytes, PcmBuffer& pcm, int& code);
