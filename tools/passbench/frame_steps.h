// Every section's frame cut into the passes it is made of, in the order the
// scene draws them, so that each pass can be finished and timed on its own.
// The passes repeat the scenes' own GL calls (scenes/*.cpp); they stay a copy,
// not a change to the scenes, and passbench prints the whole frame beside
// their sum so that a copy that has drifted shows.
#pragma once

#include <cstddef>

struct FrameStep {
    const char* name;
    // Takes the time the scene's renderer works with (music time - origin).
    void (*draw)(double sceneTime);
};

struct SectionSteps {
    const char* name;
    double start; // music times the section covers
    double end;
    double origin; // subtracted from the music time before it reaches a step
    const FrameStep* steps;
    size_t count;
};

// The six sections of the timeline, each with its passes.
const SectionSteps* Sections(size_t& count);
