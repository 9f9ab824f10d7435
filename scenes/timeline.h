// The choreography: the section starts and the seven keyframe tracks that
// drive the fades, the caption and the greetings. Which scene draws each
// section is the section table's (scenes/sections.h).
#pragma once

#include "anim/track.h"

// Section starts in seconds of music time.
constexpr double kTitleStart = 42.6;
constexpr double kGridStart = 64.6;
constexpr double kGreetingsStart = 85.6;
constexpr double kClosingStart = 149.0;
constexpr double kCreditsStart = 171.0;

// Built once by Build (the 44 keys), then only evaluated. Each track takes
// the time of its scene (music time minus the section start), except the
// closing fade, which takes music time.
struct Tracks {
    Track gridFadeTrack;
    Track captionTrack;
    Track greetingsFadeTrack;
    Track greetingBrightnessTrack;
    Track greetingIndexTrack;
    Track closingFadeTrack;
    Track creditsFadeTrack;

    void Build();
};
