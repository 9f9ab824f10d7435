// The composition: every note of the piece, section by section.
#pragma once

#include <cstddef>
#include <vector>

enum class Voice { Kick, Snare, Hat, OpenHat, Crash, Bass, Lead, Arp, Pad, Riser };
constexpr std::size_t kVoiceCount = static_cast<std::size_t>(Voice::Riser) + 1;

// One event of the score: which instrument plays, when, how long, how high.
struct Note {
    Voice voice;
    double start;   // seconds from the start of the music
    double length;  // seconds the key is held; tails ring on after it
    float pitch;    // MIDI note number (69 = A 440 Hz); drums ignore it
    float velocity; // 0..1
    float pan;      // -1 left .. 1 right
};

using Score = std::vector<Note>;

// The whole piece, notes in no particular order.
Score ComposeScore();
