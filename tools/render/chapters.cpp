#include "tools/render/chapters.h"

#include "scenes/sections.h"

#include <cmath>
#include <cstdio>

namespace {

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
    size_t count = 0;
    const Section* sections = Sections(count);
    std::vector<Chapter> chapters;
    double to = from + seconds;
    for (size_t i = 0; i < count; ++i) {
        double start = sections[i].start;
        double end = i + 1 < count ? sections[i + 1].start : INFINITY;
        if (end <= from || start >= to)
            continue;
        chapters.push_back(
            {sections[i].name, std::fmax(start, from) - from, std::fmin(end, to) - from});
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
