#include "scenes/timeline.h"

#include <cstddef>

namespace {

struct TimedValue {
    double time;
    double value;
};

template <std::size_t N> void AddKeys(Track& track, int mode, const TimedValue (&keys)[N]) {
    for (const TimedValue& key : keys)
        track.AddKey(mode, key.time, key.value);
}

// Each greeting image after the first: dark at its change time, full after
// one second, held for six, dark again one second later.
constexpr TimedValue kGreetingBrightness[] = {
    {0.0, 0.0},  {4.0, 1.0},  {10.0, 1.0}, {11.0, 0.0}, {12.0, 1.0}, {18.0, 1.0},
    {19.0, 0.0}, {20.0, 1.0}, {26.0, 1.0}, {27.0, 0.0}, {28.0, 1.0}, {34.0, 1.0},
    {35.0, 0.0}, {36.0, 1.0}, {42.0, 1.0}, {43.0, 0.0}, {44.0, 1.0}, {50.0, 1.0},
    {51.0, 0.0}, {52.0, 1.0}, {58.0, 1.0}, {59.0, 0.0},
};

// The index eases towards the next integer without reaching it, so after
// truncation it steps exactly at the key times, where the image is dark.
constexpr TimedValue kGreetingIndex[] = {
    {0.0, 0.0}, {11.0, 1.0}, {19.0, 2.0}, {27.0, 3.0}, {35.0, 4.0}, {43.0, 5.0}, {51.0, 6.0},
};

} // namespace

void Tracks::Build() {
    // The tracks keep their forced mode 5, so every interval eases with COS
    // whatever mode the keys carry.
    AddKeys(gridFadeTrack, LINEAR, {{19.0, 0.0}, {21.0, 1.0}});
    // Two keys at 2.0: the caption switches on at once rather than fading in.
    AddKeys(captionTrack, LINEAR, {{0.0, 0.0}, {2.0, 0.0}, {2.0, 1.0}, {15.0, 1.0}, {21.0, 0.0}});
    AddKeys(greetingsFadeTrack, LINEAR, {{0.0, 1.0}, {2.0, 0.0}});
    AddKeys(closingFadeTrack, LINEAR, {{0.0, 0.0}, {169.0, 0.0}, {171.0, 1.0}});
    AddKeys(creditsFadeTrack, LINEAR, {{0.0, 1.0}, {10.0, 0.0}, {15.0, 1.0}});
    AddKeys(greetingBrightnessTrack, LINEAR, kGreetingBrightness);
    AddKeys(greetingIndexTrack, FLAT, kGreetingIndex);
}
