#include "anim/track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kEveryMode[] = {FLAT, LINEAR, COS, SPLINE, MIXED, 5, -1, 9};

TEST(Track, NewTrackIsEmptyAndZeroEverywhere) {
    Track track;
    EXPECT_TRUE(track.keys.empty());
    EXPECT_EQ(track.mode, 5);
    for (double t : {-1.0, 0.0, 3.5, kNaN})
        EXPECT_EQ(track.Evaluate(t), 0.0);
}

TEST(Track, HoldsEndValuesOutsideItsKeysInEveryMode) {
    for (int mode : kEveryMode) {
        Track single;
        single.mode = mode;
        single.AddKey(LINEAR, 2.0, 7.0);
        for (double t : {-5.0, 2.0, 9.0, kNaN})
            EXPECT_EQ(single.Evaluate(t), 7.0) << "mode " << mode;

        Track track;
        track.mode = mode;
        track.AddKey(COS, 1.0, 3.0);
        track.AddKey(LINEAR, 2.0, 5.0);
        track.AddKey(FLAT, 4.0, -2.0);
        EXPECT_EQ(track.Evaluate(0.999), 3.0) << "mode " << mode;
        EXPECT_EQ(track.Evaluate(-1e300), 3.0) << "mode " << mode;
        EXPECT_EQ(track.Evaluate(4.0), -2.0) << "mode " << mode;
        EXPECT_EQ(track.Evaluate(1e300), -2.0) << "mode " << mode;
        // NaN is below no key time, so it reads as "after the last key".
        EXPECT_EQ(track.Evaluate(kNaN), -2.0) << "mode " << mode;
        // An inner key starts its interval with f = 0.
        EXPECT_EQ(track.Evaluate(2.0), 5.0) << "mode " << mode;
    }
}

TEST(Track, NewTrackEasesEveryIntervalWithCos) {
    Track eased;
    eased.AddKey(LINEAR, 0.0, 0.0);
    eased.AddKey(LINEAR, 2.0, 10.0);
    EXPECT_DOUBLE_EQ(eased.Evaluate(0.5), 1.4644660940672622);
    EXPECT_DOUBLE_EQ(eased.Evaluate(1.0), 5.0);
    EXPECT_DOUBLE_EQ(eased.Evaluate(1.5), 8.535533905932738);

    Track linear;
    linear.mode = LINEAR;
    linear.AddKey(FLAT, 0.0, 0.0);
    linear.AddKey(FLAT, 2.0, 10.0);
    EXPECT_DOUBLE_EQ(linear.Evaluate(0.5), 2.5);
    EXPECT_DOUBLE_EQ(linear.Evaluate(1.0), 5.0);
    EXPECT_DOUBLE_EQ(linear.Evaluate(1.5), 7.5);

    // Any mode number without a rule of its own eases like COS.
    for (int mode : {int(COS), 5, -1, 9}) {
        Track track;
        track.mode = mode;
        track.AddKey(FLAT, 0.0, 0.0);
        track.AddKey(FLAT, 2.0, 10.0);
        EXPECT_DOUBLE_EQ(track.Evaluate(0.5), 1.4644660940672622) << "mode " << mode;
    }
}

TEST(Track, FlatHoldsTheStartOfEachInterval) {
    Track track;
    track.mode = FLAT;
    track.AddKey(LINEAR, 0.0, 1.0);
    track.AddKey(LINEAR, 1.0, 4.0);
    track.AddKey(LINEAR, 3.0, 0.0);
    EXPECT_EQ(track.Evaluate(0.99), 1.0);
    EXPECT_EQ(track.Evaluate(2.99), 4.0);
}

TEST(Track, MixedUsesTheModeOfEachIntervalsFirstKey) {
    Track track;
    track.mode = MIXED;
    track.AddKey(FLAT, 0.0, 0.0);
    track.AddKey(LINEAR, 1.0, 1.0);
    track.AddKey(COS, 2.0, 0.0);
    track.AddKey(SPLINE, 4.0, 2.0);
    EXPECT_EQ(track.Evaluate(0.5), 0.0);
    EXPECT_DOUBLE_EQ(track.Evaluate(1.5), 0.5);
    EXPECT_DOUBLE_EQ(track.Evaluate(2.5), 1.0 - std::cos(3.141592653589793 / 4.0));
}

TEST(Track, SplineBlendsTheNeighbouringSlopes) {
    Track spline;
    spline.mode = SPLINE;
    spline.AddKey(LINEAR, 0.0, 0.0);
    spline.AddKey(LINEAR, 1.0, 0.0);
    spline.AddKey(LINEAR, 2.0, 1.0);
    spline.AddKey(LINEAR, 3.0, 1.0);
    EXPECT_DOUBLE_EQ(spline.Evaluate(1.25), 0.203125);
    EXPECT_DOUBLE_EQ(spline.Evaluate(1.5), 0.5);
    EXPECT_DOUBLE_EQ(spline.Evaluate(1.75), 0.796875);
    // The first and last intervals have one neighbour each: (0,0)-(1,0)
    // weighs in the line through (1,0) and (2,1) extended back.
    EXPECT_DOUBLE_EQ(spline.Evaluate(0.5), 0.5 * 0.25 * (0.0 - 1.0 * 0.5));

    Track twoKeys;
    twoKeys.mode = SPLINE;
    twoKeys.AddKey(COS, 0.0, 0.0);
    twoKeys.AddKey(COS, 2.0, 10.0);
    EXPECT_DOUBLE_EQ(twoKeys.Evaluate(0.5), 2.5);
}

TEST(Track, SplineBesideAJumpStaysFinite) {
    // Jumps at 0 and at 1 on either side of the interval (0,1)-(1,2): each
    // neighbouring slope counts as flat.
    Track track;
    track.mode = SPLINE;
    track.AddKey(LINEAR, 0.0, 0.0);
    track.AddKey(LINEAR, 0.0, 1.0);
    track.AddKey(LINEAR, 1.0, 2.0);
    track.AddKey(LINEAR, 1.0, 3.0);
    EXPECT_DOUBLE_EQ(track.Evaluate(0.25), 1.203125);
    for (double t = -0.5; t < 1.5; t += 0.0625)
        EXPECT_TRUE(std::isfinite(track.Evaluate(t))) << "t " << t;
}

TEST(Track, KeysAreSortedAndEqualTimesKeepTheirOrderOfAdding) {
    Track track;
    track.AddKey(LINEAR, 5.0, -1.0);
    for (int i = 0; i < 100; ++i)
        track.AddKey(i, 3.0, i);
    track.AddKey(LINEAR, 1.0, -2.0);

    ASSERT_EQ(track.keys.size(), 102u);
    EXPECT_EQ(track.keys.front()->time, 1.0);
    EXPECT_EQ(track.keys.back()->time, 5.0);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(track.keys[i + 1]->value, i);
        EXPECT_EQ(track.keys[i + 1]->mode, i);
    }
    // Below 3 the track heads for the first key added at 3; from 3 on it
    // starts from the last one.
    EXPECT_DOUBLE_EQ(track.Evaluate(2.0), -1.0);
    EXPECT_DOUBLE_EQ(track.Evaluate(3.0), 99.0);
    EXPECT_DOUBLE_EQ(track.Evaluate(4.0), 49.0);
}

TEST(Track, TwoKeysAtOneTimeMakeAJump) {
    Track track;
    const double keys[][2] = {{0.0, 0.0}, {2.0, 0.0}, {2.0, 1.0}, {15.0, 1.0}, {21.0, 0.0}};
    for (const auto& key : keys)
        track.AddKey(LINEAR, key[0], key[1]);
    EXPECT_EQ(track.Evaluate(1.9), 0.0);
    EXPECT_EQ(track.Evaluate(2.0), 1.0);
    EXPECT_EQ(track.Evaluate(10.0), 1.0);
    EXPECT_DOUBLE_EQ(track.Evaluate(18.0), 0.5);
    EXPECT_EQ(track.Evaluate(30.0), 0.0);
}

} // namespace
