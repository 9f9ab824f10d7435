// Keyframe tracks: a value that changes with time, given as keys and an
// interpolation rule between neighbouring keys. Tracks are filled once at
// start-up and only evaluated afterwards; single-threaded.
#pragma once

#include <vector>

enum InterpMode { FLAT = 0, LINEAR = 1, COS = 2, SPLINE = 3, MIXED = 4 };

// Names indexed by mode value.
extern const char* const interpModeNames[5];

struct Key {
    double time;
    double value;
    int mode; // the rule of the interval that starts here; used under MIXED only
};

class Track {
  public:
    // Owned keys, ascending in time; equal times keep their order of adding.
    // Freed with the track, which lives as long as its owner (the
    // production's Tracks).
    std::vector<Key*> keys;
    // Forced mode: MIXED uses each interval's first key's mode; any other value
    // is used for every interval. A new track has 5: every interval is COS.
    int mode = 5;

    Track() = default;
    // A copy would share the owned keys.
    Track(const Track&) = delete;
    Track& operator=(const Track&) = delete;
    ~Track();

    void AddKey(int mode, double time, double value);
    double Evaluate(double time) const;
};
