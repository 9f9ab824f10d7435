// The output device's clock and its estimate of the heard line, driven with
// made-up times. (The no-sound device's clock is tested through the library.)
#include "bass/bass_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr double kRate = 44100.0;

// A heard line whose frame 0 reaches the listener at `start` seconds.
double Offset(double start) {
    return -start * kRate;
}

TEST(HeardClock, HoldsUntilTheFirstFrameIsHeard) {
    HeardClock clock;
    clock.Reset(kRate, 441000);
    clock.Play(1.0);
    double offset = Offset(1.03); // 30 ms of latency
    EXPECT_EQ(clock.Frame(1.01, nullptr), 0.0);
    EXPECT_EQ(clock.Frame(1.02, &offset), 0.0);
    EXPECT_NEAR(clock.Frame(1.04, &offset), 0.01 * kRate, 1e-6);
}

// Reports that jitter by up to 3 ms late, as a callback's wake-up does,
// polled every millisecond: the clock moves forward in steps within kSlew of
// real time and stays within a millisecond of the true line.
TEST(HeardClock, SmoothsJitteryReports) {
    HeardClock clock;
    clock.Reset(kRate, 44100 * 100);
    clock.Play(0.0);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> lateness(0.0, 0.003);
    double offset = Offset(0.02 + lateness(random));
    double last = 0.0;
    for (int poll = 1; poll <= 20000; ++poll) {
        double now = poll * 0.001;
        if (poll % 12 == 0)
            offset = std::max(offset, Offset(0.02 + lateness(random)));
        double frame = clock.Frame(now, &offset);
        double step = (frame - last) / kRate;
        last = frame;
        if (now < 0.05)
            continue; // the start, where the clock first meets the sound
        ASSERT_GE(step, 0.001 * (1.0 - HeardClock::kSlew) - 1e-9) << "at " << now;
        ASSERT_LE(step, 0.001 * (1.0 + HeardClock::kSlew) + 1e-9) << "at " << now;
        if (now > 1.0) {
            ASSERT_NEAR(frame / kRate, now - 0.02, 0.001) << "at " << now;
        }
    }
}

TEST(HeardClock, JumpsForwardWhenFarBehindAndHoldsWhenFarAhead) {
    HeardClock clock;
    clock.Reset(kRate, 441000);
    clock.Play(0.0);
    double offset = Offset(0.0);
    clock.Frame(0.5, &offset);
    double ahead = Offset(-0.2); // the sound is 200 ms further on
    EXPECT_NEAR(clock.Frame(0.501, &ahead), 0.701 * kRate, 1e-6);
    double behind = Offset(0.3); // frames lost: the sound lags 300 ms
    double held = clock.Frame(0.502, &behind);
    EXPECT_NEAR(held, 0.701 * kRate, 1e-6);
    EXPECT_EQ(clock.Frame(0.6, &behind), held);
}

TEST(HeardClock, RunsOnInRealTimeWhenReportsStop) {
    HeardClock clock;
    clock.Reset(kRate, 4410000);
    clock.Play(0.0);
    double offset = Offset(0.0);
    for (double now = 0.001; now < 1.0; now += 0.001)
        clock.Frame(now, &offset);
    // The device vanished: the last report keeps the clock going.
    EXPECT_NEAR(clock.Frame(5.0, &offset), 5.0 * kRate, 1.0);
}

TEST(HeardClock, StartsAfterAGraceWhenNothingIsEverHeard) {
    HeardClock clock;
    clock.Reset(kRate, 4410000);
    clock.Play(2.0);
    EXPECT_EQ(clock.Frame(2.0 + HeardClock::kSilentGrace, nullptr), 0.0);
    double first = clock.Frame(2.0 + HeardClock::kSilentGrace + 0.001, nullptr);
    EXPECT_GT(first, 0.0);
    EXPECT_NEAR(clock.Frame(2.0 + HeardClock::kSilentGrace + 1.0, nullptr), kRate, 0.1 * kRate);
}

TEST(HeardClock, StopFreezesAtAWholeFrameAndPlayWaitsForTheSoundAgain) {
    HeardClock clock;
    clock.Reset(kRate, 441000);
    clock.Play(0.0);
    double offset = Offset(0.0);
    for (double now = 0.001; now < 0.3; now += 0.001)
        clock.Frame(now, &offset);
    clock.Stop(0.3, &offset);
    double frozen = clock.Frame(5.0, &offset);
    EXPECT_EQ(frozen, std::floor(frozen));
    EXPECT_NEAR(frozen, 0.3 * kRate, 0.002 * kRate);
    clock.Play(6.0);
    EXPECT_EQ(clock.Frame(6.01, nullptr), frozen);
    double resumed = frozen - 6.02 * kRate;
    EXPECT_NEAR(clock.Frame(6.03, &resumed), frozen + 0.01 * kRate, 1e-6);
}

TEST(HeardClock, NeverPassesTheEnd) {
    HeardClock clock;
    clock.Reset(kRate, 4410);
    clock.Play(0.0);
    double offset = Offset(0.0);
    EXPECT_EQ(clock.Frame(0.05, &offset), 2205.0);
    EXPECT_EQ(clock.Frame(10.0, &offset), 4410.0);
    clock.MoveTo(99999, 11.0);
    EXPECT_EQ(clock.Frame(12.0, &offset), 4410.0);
}

TEST(HeardLine, TakesTheEarliestOfRecentReports) {
    HeardLine line;
    EXPECT_NEAR(line.Add(0.0, 1.002, kRate), -1.002 * kRate, 1e-6);
    // 512 frames on, reported on time: a better estimate than the late first.
    EXPECT_NEAR(line.Add(512.0, 1.0 + 512.0 / kRate, kRate), -1.0 * kRate, 1e-6);
    EXPECT_NEAR(line.Add(1024.0, 1.005 + 1024.0 / kRate, kRate), -1.0 * kRate, 1e-6);
}

TEST(HeardLine, ForgetsReportsOlderThanItsWindowAndOnReset) {
    HeardLine line;
    line.Add(0.0, 0.0, kRate);
    double offset = 0.0;
    for (int i = 1; i <= HeardLine::kWindow; ++i)
        offset = line.Add(512.0 * i, 0.001 + 512.0 * i / kRate, kRate);
    EXPECT_NEAR(offset, -0.001 * kRate, 1e-6);
    line.Reset();
    EXPECT_NEAR(line.Add(100.0, 0.01, kRate), 100.0 - 0.01 * kRate, 1e-6);
}

} // namespace
