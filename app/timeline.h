// The choreography: which renderer draws each music time, and the seven
// keyframe tracks that drive the fades, the caption and the greetings.
#pragma once

#include "anim/track.h"

// Section starts in seconds of music time.
constexpr double kTitleStart = 42.6;
constexpr double kGridStart = 64.6;
constexpr double kGreetingsStart = 85.6;
constexpr double kClosingStart = 149.0;
constexpr double kCreditsStart = 171.0;

extern Track gridFadeTrack;
extern Track captionTrack;
extern Track greetingsFadeTrack;
extern Track greetingBrightnessTrack;
extern Track greetingIndexTrack;
extern Track closingFadeTrack;
extern Track creditsFadeTrack;

// Adds the 44 keys; once, at start-up.
void BuildTracks();
// Calls the one renderer whose section holds t (bounds inclusive, earlier
// section first); a negative or NaN time draws nothing.
void RenderFrame(double t);
