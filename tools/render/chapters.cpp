#include "tools/render/chapters.h"

#include "app/timeline.h"

#include <cmath>
#include <cstdio>

namespace {

struct Section {
    const char* name;
    double start; // music time
};

const Section kSections[] = {
    {"opening", 0.0},           {"title", kTitleStart},
    {"wave grid", kGridStart},  {"greetings", kGreetingsStart},
    {"closing", kClosingStart}, {"credits", kCreditsStart},
};
constexpr int kSectionCount = sizeof kSections / sizeof kSections[0];

long Milliseconds(double seconds) {
    return std::lround(seconds * 1000.0);
}

// Titles may not hold the metadata format's special characters unescaped.
std::string Escaped(const char* text) {
    std::string out;
    for (const char* c = text; *c; ++c) {
        if (*c == '=' || *c == ';' || *c == '#' || *c == '\\' || *c == '\n')
            out += '\\';
        out += *c;
    }
    return out;
}

} // namespace

std::vector<Chapter> ChaptersOf(double from, double seconds) {
    std::vector<Chapter> chapters;
    double to = from + seconds;
    for (int i = 0; i < kSectionCount; ++i) {
        double start = kSections[i].start;
        double end = i + 1 < kSectionCount ? kSections[i + 1].start : INFINITY;
        if (end <= from || start >= to)
            continue;
        chapters.push_back(
            {kSections[i].name, std::fmax(start, from) - from, std::fmin(end, to) - from});
    }
    return chapters;
}

std::string ChapterMetadata(const std::vector<Chapter>& chapters) {
    std::string text = ";FFMETADATA1\n";
    for (const Chapter& c : chapters) {
        char times[96];
        std::snprintf(times, sizeof times, "START=%ld\nEND=%ld\n", Milliseconds(c.start),
                      Milliseconds(c.end));
        text += "[CHAPTER]\nTIMEBASE=1/1000\n";
        text += times;
        text += "title=" + Escaped(c.name) + "\n";
    }
    return text;
}
