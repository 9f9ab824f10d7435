// The sections of the piece and their bar grids.
//
// The picture cuts at fixed times, so every section starts exactly on its cut
// and holds a whole number of bars; each section's tempo is whatever makes its
// bars fill it (all lie between 120 and 126 beats per minute). Times are
// seconds from the start of the music.
#pragma once

#include <array>

constexpr int kSampleRate = 44100;
constexpr int kBeatsPerBar = 4;

struct Section {
    const char* name;
    double start;
    double end;
    int bars;
};

enum SectionIndex { kOpening, kTitle, kWaveGrid, kGreetings, kClosing, kOutro, kSectionCount };

// Opening, title, wave grid, greetings, closing, outro; the outro's end is
// where the last chord has rung out.
const std::array<Section, kSectionCount>& Sections();
// Length of the whole piece in seconds: the outro's end plus the ringing tail.
double MusicLength();

double BeatLength(const Section& s);
// Time of a position given in beats (quarter notes) from the section's start.
double BeatTime(const Section& s, double beat);
