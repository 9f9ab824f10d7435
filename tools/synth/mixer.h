// Renders a score to a stereo mix: every note through its instrument, panned,
// summed with its channel's gain, sent to the reverb and the echo, and the
// sum through the master stage.
#pragma once

#include "note.h"
#include "reverb.h"

struct ChannelSettings {
  float gain;
  float reverbSend;
  float echoSend;
};

ChannelSettings SettingsFor(Voice v);

// A mix of `seconds` length; notes that ring past the end are cut there.
StereoBuffer RenderMix(const Score& score, double seconds);

// The master stage: gain, then a soft limit that leaves quiet passages
// untouched and rounds off peaks so nothing clips.
void Master(StereoBuffer& mix, float gain);
