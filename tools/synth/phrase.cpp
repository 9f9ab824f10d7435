#include "phrase.h"

void Phrase::Add(Voice v, double beat, double beats, float pitch, float velocity, float pan) {
    double start = BeatTime(section_, beat);
    if (start >= section_.end - 1e-9 || velocity <= 0.0f)
        return;
    score_.push_back({v, start, beats * BeatLength(section_), pitch, velocity, pan});
}

void Phrase::OnBeats(Voice v, int from, int to, std::initializer_list<double> beats, double length,
                     float velocity, float pan) {
    for (int bar = from; bar < to; ++bar)
        for (double beat : beats)
            Add(v, bar * 4.0 + beat, length, 0, velocity, pan);
}

void Phrase::Kicks(int from, int to, float velocity) {
    OnBeats(Voice::Kick, from, to, {0.0, 1.0, 2.0, 3.0}, 0.5, velocity);
}

void Phrase::HalfKicks(int from, int to, float velocity) {
    OnBeats(Voice::Kick, from, to, {0.0, 2.0}, 0.5, velocity);
}

void Phrase::Snares(int from, int to, float velocity) {
    OnBeats(Voice::Snare, from, to, {1.0, 3.0}, 0.5, velocity, 0.05f);
}

void Phrase::SnareRoll(int bar, float velocity) {
    for (int i = 0; i < 16; ++i) {
        float grow = 0.25f + 0.75f * i / 15.0f;
        Add(Voice::Snare, bar * 4.0 + i * 0.25, 0.25, 0, velocity * grow, (i % 2) ? 0.2f : -0.2f);
    }
}

void Phrase::Hats(int from, int to, float velocity, bool sixteenths) {
    const double step = sixteenths ? 0.25 : 0.5;
    for (int bar = from; bar < to; ++bar)
        for (double b = 0.0; b < 4.0; b += step) {
            // Offbeat eighths carry the groove; the rest are ghost notes.
            double within = b - static_cast<int>(b);
            float accent = within == 0.5 ? 1.0f : (within == 0.0 ? 0.55f : 0.35f);
            Add(Voice::Hat, bar * 4.0 + b, 0.25, 0, velocity * accent, 0.35f);
        }
}

void Phrase::OpenHats(int from, int to, float velocity) {
    OnBeats(Voice::OpenHat, from, to, {0.5, 1.5, 2.5, 3.5}, 0.5, velocity, -0.3f);
}

void Phrase::Crash(int bar, float velocity) {
    Add(Voice::Crash, bar * 4.0, 4.0, 0, velocity, -0.2f);
}

void Phrase::Riser(int from, int to, float velocity) {
    Add(Voice::Riser, from * 4.0, (to - from) * 4.0, 0, velocity);
}

void Phrase::Pads(int from, int to, const std::array<Chord, 4>& prog, float velocity) {
    PadSwell(from, to, prog, velocity, velocity);
}

void Phrase::PadSwell(int from, int to, const std::array<Chord, 4>& prog, float begin, float end) {
    const float pans[3] = {-0.6f, 0.0f, 0.6f};
    for (int bar = from; bar < to; ++bar) {
        float f = to - from > 1 ? static_cast<float>(bar - from) / (to - from - 1) : 1.0f;
        float velocity = begin + (end - begin) * f;
        const Chord& c = prog[bar % 4];
        for (int k = 0; k < 3; ++k)
            Add(Voice::Pad, bar * 4.0, 4.0, c.pad[k], velocity, pans[k]);
    }
}

void Phrase::OffbeatBass(int from, int to, const std::array<Chord, 4>& prog, float velocity) {
    for (int bar = from; bar < to; ++bar) {
        const Chord& c = prog[bar % 4];
        for (int b = 0; b < 4; ++b)
            Add(Voice::Bass, bar * 4.0 + b + 0.5, 0.4, c.bass, velocity);
        // The octave on the last sixteenth pushes into the next bar.
        Add(Voice::Bass, bar * 4.0 + 3.75, 0.2, c.bass + 12, velocity * 0.8f);
    }
}

void Phrase::HeldBass(int from, int to, const std::array<Chord, 4>& prog, float velocity) {
    for (int bar = from; bar < to; ++bar)
        Add(Voice::Bass, bar * 4.0, 3.8, prog[bar % 4].bass, velocity);
}

void Phrase::Arpeggio(int from, int to, const std::array<Chord, 4>& prog, float velocity) {
    // Up and back down the chord in sixteenths, accented on the beat.
    const int order[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    for (int bar = from; bar < to; ++bar) {
        const Chord& c = prog[bar % 4];
        for (int i = 0; i < 16; ++i) {
            float accent = i % 4 == 0 ? 1.0f : (i % 2 == 0 ? 0.7f : 0.5f);
            float pan = (i % 2) ? 0.4f : -0.4f;
            Add(Voice::Arp, bar * 4.0 + i * 0.25, 0.2, c.arp[order[i % 8]], velocity * accent, pan);
        }
    }
}

void Phrase::Melody(int bar, const std::vector<MelodyNote>& melody, float velocity, int transpose) {
    for (const MelodyNote& m : melody)
        Add(Voice::Lead, bar * 4.0 + m.beat, m.beats * 0.95,
            static_cast<float>(m.pitch + transpose), velocity, 0.1f);
}
