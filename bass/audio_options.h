// Choices about sound made outside the audio library's thirteen calls, before
// BASS_Init, and the work it does between frames. Called on the thread that
// makes the library calls.
#pragma once

// On: BASS_Init(-1, ...) touches no sound device and fails with
// BASS_ERROR_DEVICE ("illegal device number"), exactly as on a machine without
// one, so Music::Load falls back to the "no sound" device 0 and the music runs
// silently on the steady clock. For the offline renderer (whose frame times
// must not depend on a sound card) and a muted run. Off by default; a device
// already initialised stays so.
void AudioForceNoSound(bool on);

// Starts decoding the file at `path` on a thread of its own, so that a later
// BASS_StreamCreateFile(FALSE, path, 0, 0, ...) finds it decoded; the stream
// is the same as without it. Touches no sound device. Does nothing in the web
// build, which has no threads and decodes ahead with AudioDecodeAhead instead.
void AudioPrefetchFile(const char* path);

// Call once per frame, between frames, in the web build: decodes the next
// block (a few milliseconds) of each stream still being decoded, from its
// position on, and keeps the sound of each playing stream scheduled a few
// seconds ahead on the Web Audio output. Without these calls a stream there
// decodes only around the positions it is moved to and read at, and its sound
// stops after the first block. Does nothing on the desktop, which decodes
// each stream whole when it is made.
void AudioDecodeAhead();
