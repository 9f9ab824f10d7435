// Choices about sound made outside the audio library's thirteen calls, before
// BASS_Init. Called on the thread that makes the library calls.
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
// is the same as without it. Touches no sound device.
void AudioPrefetchFile(const char* path);
