// The chapters of a captured stretch: one per section of the production that
// is on screen inside it, named after the section, with its start and end in
// seconds of the video (0 is the stretch's first frame). A stretch that begins
// inside a section opens with that section's chapter at 0, so a player's
// chapter menu covers the whole video.
#pragma once

#include <string>
#include <vector>

struct Chapter {
    const char* name;
    double start; // seconds into the video
    double end;
};

// The chapters of the music stretch [from, from + seconds).
std::vector<Chapter> ChaptersOf(double from, double seconds);

// The chapters as an ffmpeg metadata file, in milliseconds.
std::string ChapterMetadata(const std::vector<Chapter>& chapters);
