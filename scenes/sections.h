// The section table: which scene draws each stretch of music time, and the
// one call a frame makes.
#pragma once

#include "scenes/frame_input.h"
#include "scenes/pass.h"

#include <cstddef>

struct Section {
    const char* name;
    double start;  // music time where it begins; it runs to the next start
    double origin; // subtracted from music time before the passes see it
    PassList (*scene)();
};

// The six sections in music order.
const Section* Sections(size_t& count);

// The index of the section that draws music time t: bounds are inclusive and
// a boundary belongs to the earlier section; -1 for a negative or NaN time.
int SectionAt(double t);

// Runs the passes of the section holding the frame's time, with the absolute
// time turned into the scene's; a negative or NaN time draws nothing.
void RenderFrame(Production& production, const FrameInput& input);
