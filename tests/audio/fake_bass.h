// A stand-in for the audio library in Music's tests: each of the thirteen
// calls is recorded as text with its arguments ("BASS_Init(-1, 44100, 0, null,
// null)") and answers from a script, and leaves the error code the script
// names for it (0 when none).
#pragma once

#include "bass/bass.h"

#include <map>
#include <string>
#include <vector>

struct FakeScript {
    DWORD version = 0x02040000;
    BOOL initDefault = TRUE;
    BOOL initNoSound = TRUE;
    BOOL start = TRUE;
    HSTREAM stream = 7;
    QWORD lengthBytes = 10 * 176400;
    QWORD positionBytes = 0;
    double bytesPerSecond = 176400.0;
    // Error code left by a call, by name: "BASS_Init(-1)" and "BASS_Init(0)"
    // for the two devices, otherwise the bare name ("BASS_Start").
    std::map<std::string, int> codes;
};

extern FakeScript fakeScript;
extern std::vector<std::string> fakeCalls;
// The buffer the calls record as "spectrum": the music's own array.
extern const void* fakeSpectrum;

// A fresh script and an empty record.
void ResetFake();
