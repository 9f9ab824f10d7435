// Music: the sound of the production and the clock of the whole system.
//
// One instance for the run, owned by the program (the player, the offline
// renderer): value-initialised, never copied, and nothing it opens is
// released. Every time crossing this
// interface is a double in seconds; inside, positions travel to and from the
// audio library as byte positions converted by the library's own calls.
// Called only from the thread that runs start-up and the frame loop.
#pragma once

#include <cstdint>

class Music {
  public:
    uint32_t stream; // the library's stream handle; 0 until Load created it
    double length;   // seconds; the frame loop runs while the position is below it
    // The 128 magnitudes of a 256-sample FFT in elements 0..127, bin 0 lowest;
    // 128..255 are never written and stay 0. Filled by ReadSpectrum.
    float spectrum[256];

    // Starts the library (default device, else the no-sound device), opens the
    // file as a stream and reads its length. Prints the library's error text
    // (no line end) and returns false on failure.
    bool Load(const char* path);
    // The text of the library's last error code; empty for 0 and unknown codes.
    static const char* ErrorText();
    double Position();
    void Play(); // from the current position, never from the start
    void Stop();
    void SeekBy(double offset); // not clamped: the library decides
    // Moves to an exact time (the offline renderer's frame times).
    void SetPosition(double seconds);
    void ReadSpectrum();
};
