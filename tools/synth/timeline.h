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

// The outro's end is where the last chord has rung out.
constexpr std::array<Section, kSectionCount> kSections = {{
    {"opening", 0.0, 42.6, 22},
    {"title", 42.6, 64.6, 11},
    {"wave grid", 64.6, 85.6, 11},
    {"greetings", 85.6, 149.0, 33},
    {"closing", 149.0, 171.0, 11},
    {"outro", 171.0, 191.0, 10},
}};
// Length of the whole piece in seconds: the outro's end plus the ringing tail.
constexpr double kMusicLength = 192.5;

inline double BeatLength(const Section& s) {
    return (s.end - s.start) / (s.bars * kBeatsPerBar);
}
// Time of a position given in beats (quarter notes) from the section's start.
inline double BeatTime(const Section& s, double beat) {
    return s.start + beat * BeatLength(s);
}
