#include "anim/track.h"

#include <algorithm>
#include <cmath>

const char* const interpModeNames[5] = {"FLAT", "LINEAR", "COS", "SPLINE", "MIXED"};

namespace {

constexpr double kPi = 3.141592653589793;

double Lerp(double v0, double v1, double f) {
    return v0 + f * (v1 - v0);
}

double CosEase(double v0, double v1, double f) {
    return v0 + (1.0 - std::cos(kPi * f)) * 0.5 * (v1 - v0);
}

// A neighbouring interval of zero length has no defined slope; a flat one
// keeps the curve finite at the jump instead of dividing by zero.
double Slope(const Key& from, const Key& to) {
    double span = to.time - from.time;
    return span > 0.0 ? (to.value - from.value) / span : 0.0;
}

// Linear value blended with the lines of the intervals on either side, each
// weighted towards its own end, so the curve still passes through every key.
double SplineValue(const std::vector<Key*>& keys, size_t b, double f) {
    const Key& a = *keys[b - 1];
    const Key& next = *keys[b];
    double d = next.time - a.time;
    double weights = 0.0;
    double sum = 0.0;
    if (b >= 2) {
        double w = 0.5 * (1.0 - f) * (1.0 - f);
        weights += w;
        sum += w * (a.value + Slope(*keys[b - 2], a) * d * f);
    }
    if (b + 1 < keys.size()) {
        double w = 0.5 * f * f;
        weights += w;
        sum += w * (next.value - Slope(next, *keys[b + 1]) * d * (1.0 - f));
    }
    return sum + Lerp(a.value, next.value, f) * (1.0 - weights);
}

} // namespace

Track::~Track() {
    for (Key* key : keys)
        delete key;
}

void Track::AddKey(int mode, double time, double value) {
    Key* key = new Key{time, value, mode};
    // After the last key of equal time, so keys sharing a time keep the order
    // in which they were added, however many there are.
    auto at = std::upper_bound(keys.begin(), keys.end(), key,
                               [](const Key* x, const Key* y) { return x->time < y->time; });
    keys.insert(at, key);
}

double Track::Evaluate(double time) const {
    if (keys.empty())
        return 0.0;
    size_t b = 0;
    // A NaN time is below no key, so it lands after the last one.
    while (b < keys.size() && !(time < keys[b]->time))
        ++b;
    if (b == 0)
        return keys.front()->value;
    if (b == keys.size())
        return keys.back()->value;

    const Key& a = *keys[b - 1];
    const Key& next = *keys[b];
    double d = next.time - a.time;
    double f = d > 0.0 ? (time - a.time) / d : 0.0;
    // Also catches the NaN that an infinite key time would give.
    if (!(f >= 0.0))
        f = 0.0;

    int m = mode == MIXED ? a.mode : mode;
    switch (m) {
    case FLAT:
        return a.value;
    case LINEAR:
        return Lerp(a.value, next.value, f);
    case SPLINE:
        return SplineValue(keys, b, f);
    default:
        return CosEase(a.value, next.value, f);
    }
}
