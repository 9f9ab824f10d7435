// Device -1: the default sound output. It runs from BASS_Init to the end of
// the process, silent while no voice plays, so play, stop and seek never wait
// for the device. Two implementations, one per build:
//
// The desktop's (bass_output.cpp): one PortAudio output stream. When a JACK
// server runs, PortAudio's JACK host API offers it and we take that API's
// default output, since the server then owns the sound card; otherwise
// PortAudio's default output device (ALSA). Output thread: PortAudio's
// callback mixes the voices (bass_voice.h).
//
// The browser's (bass_output_web.cpp): the page's AudioContext; each voice
// schedules buffers of its stream on it between frames (bass_voice_web.h).
//
// All functions here are called on the thread that makes the library calls.
#pragma once

#include "bass/bass_pcm.h"

class Voice; // the build's own: bass_voice.h or bass_voice_web.h

// Opens and starts the default output at `rate` frames per second, or at the
// device's own rate where that one will not open (always, in the browser),
// stereo (or mono on a one-channel device). Returns 0, BASS_ERROR_DEVICE when
// there is no default output device (no Web Audio), or BASS_ERROR_DRIVER when
// it will not open.
int OpenDefaultOutput(double rate);
// Restarts the output if it stopped; false when it will not run.
bool StartOutput();
// A voice on the output for `pcm`, which must outlive the process's use of it;
// null when every voice is taken.
Voice* AddVoice(const PcmBuffer* pcm);
