// Each section is written to what the picture does at that time: the opening
// rises out of silence under the fade-in, the title brings the theme, the
// wave grid and the greetings ride on the arpeggio and the snare, the closing
// brings back the opening's pulse, and the outro rings out under the credits.
#include "score.h"

#include "phrase.h"

namespace {

// The harmony and the melody, in A minor.
const Chord kAm{45, {57, 60, 64}, {81, 84, 88, 93}};
const Chord kF{41, {57, 60, 65}, {77, 81, 84, 89}};
const Chord kC{48, {55, 60, 64}, {79, 84, 88, 91}};
const Chord kG{43, {55, 59, 62}, {79, 83, 86, 91}};
const Chord kEm{40, {55, 59, 64}, {76, 79, 83, 88}};
const Chord kDm{38, {57, 62, 65}, {77, 81, 86, 89}};

// Four-bar progressions, one chord per bar.
const std::array<Chord, 4> kMainProgression = {kAm, kF, kC, kG};
const std::array<Chord, 4> kLiftProgression = {kF, kG, kEm, kAm};
const std::array<Chord, 4> kEndProgression = {kDm, kF, kG, kAm};

// The theme over four bars of the main progression, and its answer.
const std::vector<MelodyNote> kTheme = {
    {0, 69, 1},    {1, 72, 1},      {2, 76, 1.5}, {3.5, 74, 0.5}, // climbs to E over A minor
    {4, 72, 2},    {6, 69, 1},      {7, 72, 1},                   // rests on C over F
    {8, 67, 1},    {9, 72, 1},      {10, 76, 1},  {11, 79, 1},    // up the C chord
    {12, 74, 1.5}, {13.5, 71, 0.5}, {14, 67, 2},                  // falls to G
};

// The answer ends open on D over G, leading back to A.
const std::vector<MelodyNote> kAnswer = {
    {0, 76, 1},     {1, 74, 0.5}, {1.5, 72, 0.5}, {2, 69, 2},  {4, 77, 1.5},
    {5.5, 76, 0.5}, {6, 72, 2},   {8, 79, 1},     {9, 76, 1},  {10, 72, 1},
    {11, 76, 1},    {12, 74, 2},  {14, 71, 1},    {15, 74, 1},
};

void ComposeOpening(Phrase p) {
    // Bars 0-4 (~10 s) are the fade-in: the pad swells alone over a held bass.
    p.PadSwell(0, 8, kMainProgression, 0.15f, 0.9f);
    p.Pads(8, 22, kMainProgression, 0.9f);
    p.HeldBass(2, 8, kMainProgression, 0.5f);
    p.HalfKicks(4, 8, 0.75f);
    p.Kicks(8, 22, 0.95f);
    p.OffbeatBass(8, 22, kMainProgression, 0.8f);
    p.Hats(8, 12, 0.6f, false);
    p.Hats(12, 22, 0.7f, true);
    p.Arpeggio(12, 22, kMainProgression, 0.35f);
    p.Snares(16, 21, 0.7f);
    p.SnareRoll(21, 0.8f);
    p.Riser(20, 22, 0.8f);
}

void ComposeTitle(Phrase p) {
    // Drums stop half way through bar 9, where the picture starts to fade.
    p.Crash(0, 0.9f);
    p.Pads(0, 11, kMainProgression, 0.8f);
    p.Kicks(0, 9, 1.0f);
    p.HalfKicks(9, 10, 1.0f);
    p.OffbeatBass(0, 10, kMainProgression, 0.85f);
    p.Snares(0, 9, 0.8f);
    p.Hats(0, 10, 0.75f, true);
    p.OpenHats(4, 9, 0.6f);
    p.Melody(0, kTheme, 0.9f);
    p.Melody(4, kAnswer, 0.9f);
    p.Melody(8, kTheme, 0.6f);
    p.Riser(9, 11, 0.7f);
}

void ComposeWaveGrid(Phrase p) {
    // The arpeggio and the snare carry the band the grid listens to.
    p.Crash(0, 0.8f);
    p.Pads(0, 11, kLiftProgression, 0.7f);
    p.Kicks(0, 10, 0.7f);
    p.OffbeatBass(0, 10, kLiftProgression, 0.6f);
    p.Snares(0, 10, 0.9f);
    p.Hats(0, 10, 0.7f, true);
    p.Arpeggio(0, 11, kLiftProgression, 0.9f);
}

void ComposeGreetings(Phrase p) {
    p.Crash(0, 0.6f);
    p.Pads(0, 33, kMainProgression, 0.75f);
    p.Arpeggio(0, 16, kMainProgression, 0.8f);
    p.Hats(0, 4, 0.5f, false);
    p.Snares(2, 4, 0.6f);
    // First groove, with the theme and its answer, then the theme alone.
    p.Crash(4, 0.7f);
    p.Kicks(4, 16, 0.75f);
    p.OffbeatBass(4, 16, kMainProgression, 0.65f);
    p.Snares(4, 16, 0.85f);
    p.Hats(4, 16, 0.7f, true);
    p.OpenHats(8, 16, 0.5f);
    p.Melody(4, kTheme, 0.8f);
    p.Melody(8, kAnswer, 0.8f);
    // Breakdown: the arpeggio alone, building back with a roll.
    p.Arpeggio(16, 33, kMainProgression, 0.8f);
    p.Snares(16, 18, 0.5f);
    p.SnareRoll(18, 0.6f);
    p.SnareRoll(19, 0.9f);
    p.Riser(18, 20, 0.8f);
    // Second groove, the theme an octave up.
    p.Crash(20, 0.9f);
    p.Kicks(20, 33, 0.75f);
    p.OffbeatBass(20, 33, kMainProgression, 0.65f);
    p.Snares(20, 32, 0.85f);
    p.Hats(20, 33, 0.7f, true);
    p.OpenHats(20, 32, 0.5f);
    p.Melody(20, kTheme, 0.6f, 12);
    p.Melody(24, kAnswer, 0.6f, 12);
    p.Melody(28, kTheme, 0.7f);
    p.SnareRoll(32, 0.8f);
}

void ComposeClosing(Phrase p) {
    // The opening's pulse returns; the drums end where the picture fades.
    p.Crash(0, 0.9f);
    p.Pads(0, 11, kMainProgression, 0.8f);
    p.Kicks(0, 10, 1.0f);
    p.OffbeatBass(0, 10, kMainProgression, 0.85f);
    p.Hats(0, 10, 0.7f, true);
    p.Snares(2, 10, 0.6f);
    p.Arpeggio(0, 10, kMainProgression, 0.35f);
    p.Melody(2, kTheme, 0.6f);
    p.Melody(6, kAnswer, 0.6f);
    p.HeldBass(10, 11, kMainProgression, 0.5f);
}

void ComposeOutro(Phrase p) {
    p.PadSwell(0, 10, kEndProgression, 0.8f, 0.35f);
    p.HeldBass(0, 4, kEndProgression, 0.45f);
    p.Melody(0, kTheme, 0.45f);
    p.Melody(4, kAnswer, 0.3f);
    // The last chord is held to the end and rings out into the tail.
    p.Add(Voice::Pad, 9 * 4.0, 4.0, 45, 0.35f, 0.0f);
}

} // namespace

Score ComposeScore() {
    Score score;
    ComposeOpening(Phrase(score, kSections[kOpening]));
    ComposeTitle(Phrase(score, kSections[kTitle]));
    ComposeWaveGrid(Phrase(score, kSections[kWaveGrid]));
    ComposeGreetings(Phrase(score, kSections[kGreetings]));
    ComposeClosing(Phrase(score, kSections[kClosing]));
    ComposeOutro(Phrase(score, kSections[kOutro]));
    return score;
}
