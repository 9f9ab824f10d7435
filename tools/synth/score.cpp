// Each section is written to what the picture does at that time: the opening
// rises out of silence under the fade-in, the title brings the theme, the
// wave grid and the greetings ride on the arpeggio and the snare, the closing
// brings back the opening's pulse, and the outro rings out under the credits.
#include "score.h"

#include "phrase.h"

namespace {

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
    p.Melody(0, Theme(), 0.9f);
    p.Melody(4, Answer(), 0.9f);
    p.Melody(8, Theme(), 0.6f);
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
    p.Melody(4, Theme(), 0.8f);
    p.Melody(8, Answer(), 0.8f);
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
    p.Melody(20, Theme(), 0.6f, 12);
    p.Melody(24, Answer(), 0.6f, 12);
    p.Melody(28, Theme(), 0.7f);
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
    p.Melody(2, Theme(), 0.6f);
    p.Melody(6, Answer(), 0.6f);
    p.HeldBass(10, 11, kMainProgression, 0.5f);
}

void ComposeOutro(Phrase p) {
    p.PadSwell(0, 10, kEndProgression, 0.8f, 0.35f);
    p.HeldBass(0, 4, kEndProgression, 0.45f);
    p.Melody(0, Theme(), 0.45f);
    p.Melody(4, Answer(), 0.3f);
    // The last chord is held to the end and rings out into the tail.
    p.Add(Voice::Pad, 9 * 4.0, 4.0, 45, 0.35f, 0.0f);
}

} // namespace

Score ComposeScore() {
    Score score;
    const auto& s = Sections();
    ComposeOpening(Phrase(score, s[kOpening]));
    ComposeTitle(Phrase(score, s[kTitle]));
    ComposeWaveGrid(Phrase(score, s[kWaveGrid]));
    ComposeGreetings(Phrase(score, s[kGreetings]));
    ComposeClosing(Phrase(score, s[kClosing]));
    ComposeOutro(Phrase(score, s[kOutro]));
    return score;
}
