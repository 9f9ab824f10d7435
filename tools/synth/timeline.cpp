#include "timeline.h"

const std::array<Section, kSectionCount>& Sections() {
    static const std::array<Section, kSectionCount> sections = {{
        {"opening", 0.0, 42.6, 22},
        {"title", 42.6, 64.6, 11},
        {"wave grid", 64.6, 85.6, 11},
        {"greetings", 85.6, 149.0, 33},
        {"closing", 149.0, 171.0, 11},
        {"outro", 171.0, 191.0, 10},
    }};
    return sections;
}

double MusicLength() {
    return 192.5;
}

double BeatLength(const Section& s) {
    return (s.end - s.start) / (s.bars * kBeatsPerBar);
}

double BeatTime(const Section& s, double beat) {
    return s.start + beat * BeatLength(s);
}
