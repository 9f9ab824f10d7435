// Device -1: the default sound output, through PortAudio. One output stream
// runs from BASS_Init to the end of the process, playing silence when no voice
// plays, so play, stop and seek never wait for the device.
//
// Which device is the default: when a JACK server runs, PortAudio's JACK host
// API offers it and we take that API's default output, since the server then
// owns the sound card; otherwise PortAudio's default output device (ALSA).
//
// Output thread: PortAudio's callback mixes the voices (bass_voice.h). All
// other functions are called on the thread that makes the library calls.
#pragma once

#include "bass/bass_voice.h"

// Opens and starts the default output at `rate` frames per second, or at the
// device's own rate where that one will not open, stereo (or mono on a
// one-channel device). Returns 0, BASS_ERROR_DEVICE when there is
// no default output device, or BASS_ERROR_DRIVER when it will not open.
int OpenDefaultOutput(double rate);
// Restarts the output if it stopped; false when it will not run.
bool StartOutput();
// A voice on the output for `pcm`, which must outlive the process's use of it;
// null when every voice is taken.
Voice* AddVoice(const PcmBuffer* pcm);
