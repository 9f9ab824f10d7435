// Writes the parts of one section into the score, bar by bar, on that
// section's own bar grid. Positions are in beats from the section's start;
// nothing is written past the section's end.
#pragma once

#include <array>
#include <initializer_list>
#include <vector>

#include "score.h"
#include "timeline.h"

struct Chord {
    int bass;               // MIDI note of the bass root
    std::array<int, 3> pad; // the held chord, around middle C
    std::array<int, 4> arp; // chord tones two octaves up, for the arpeggio
};

struct MelodyNote {
    double beat;  // from the phrase start
    int pitch;    // MIDI
    double beats; // held for
};

class Phrase {
  public:
    Phrase(Score& score, const Section& section) : score_(score), section_(section) {}

    // One note at a beat position; dropped when it would start past the end.
    void Add(Voice v, double beat, double beats, float pitch, float velocity, float pan = 0.0f);

    // Four on the floor for the bars [from, to).
    void Kicks(int from, int to, float velocity);
    // Half time: kicks on beats 1 and 3 only.
    void HalfKicks(int from, int to, float velocity);
    // Back beat on 2 and 4.
    void Snares(int from, int to, float velocity);
    // A roll of sixteenths over one bar, growing from soft to velocity.
    void SnareRoll(int bar, float velocity);
    // Closed hats on every eighth (offbeats louder) or every sixteenth.
    void Hats(int from, int to, float velocity, bool sixteenths);
    void OpenHats(int from, int to, float velocity);
    void Crash(int bar, float velocity);
    // A noise swell over the bars [from, to), peaking at the end.
    void Riser(int from, int to, float velocity);

    // Chord parts follow the progression, one chord per bar, starting at bar 0.
    void Pads(int from, int to, const std::array<Chord, 4>& prog, float velocity);
    // Pad velocity ramping from `begin` at bar from to `end` at bar to.
    void PadSwell(int from, int to, const std::array<Chord, 4>& prog, float begin, float end);
    void OffbeatBass(int from, int to, const std::array<Chord, 4>& prog, float velocity);
    void HeldBass(int from, int to, const std::array<Chord, 4>& prog, float velocity);
    void Arpeggio(int from, int to, const std::array<Chord, 4>& prog, float velocity);
    // A four-bar melody starting at bar, transposed by semitones.
    void Melody(int bar, const std::vector<MelodyNote>& melody, float velocity, int transpose = 0);

  private:
    // A note on each of `beats` in every bar of [from, to).
    void OnBeats(Voice v, int from, int to, std::initializer_list<double> beats, double length,
                 float velocity, float pan = 0.0f);
    Score& score_;
    const Section& section_;
};
