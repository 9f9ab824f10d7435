// The harmony and the melody of the piece, in A minor.
#pragma once

#include <array>
#include <vector>

struct Chord {
    int bass;               // MIDI note of the bass root
    std::array<int, 3> pad; // the held chord, around middle C
    std::array<int, 4> arp; // chord tones two octaves up, for the arpeggio
};

// Four-bar progressions, one chord per bar.
extern const std::array<Chord, 4> kMainProgression; // Am F C G
extern const std::array<Chord, 4> kLiftProgression; // F G Em Am
extern const std::array<Chord, 4> kEndProgression;  // Dm F G Am

struct MelodyNote {
    double beat;  // from the phrase start
    int pitch;    // MIDI
    double beats; // held for
};

// The theme over four bars of the main progression, and its answer.
const std::vector<MelodyNote>& Theme();
const std::vector<MelodyNote>& Answer();
