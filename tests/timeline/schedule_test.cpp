#include "app/timeline.h"

#include <gtest/gtest.h>

namespace {

// The tracks are the program's globals: built once per test process.
class Schedule : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildTracks(); }
};

int IndexAt(double t) { return static_cast<int>(greetingIndexTrack.Evaluate(t)); }

TEST_F(Schedule, TracksHoldTheir44KeysEasedWithCos) {
    const Track* tracks[] = {&gridFadeTrack, &captionTrack, &greetingsFadeTrack,
                             &greetingBrightnessTrack, &greetingIndexTrack,
                             &closingFadeTrack, &creditsFadeTrack};
    size_t total = 0;
    for (const Track* track : tracks) {
        EXPECT_EQ(track->mode, 5);
        for (const Key* key : track->keys)
            EXPECT_EQ(key->mode, track == &greetingIndexTrack ? FLAT : LINEAR);
        total += track->keys.size();
    }
    EXPECT_EQ(total, 44u);
    EXPECT_EQ(greetingBrightnessTrack.keys.size(), 22u);
    EXPECT_EQ(greetingIndexTrack.keys.size(), 7u);
}

TEST_F(Schedule, SceneFadesCoverAndUncoverTheFrame) {
    // Scene 3 darkens over its last two seconds (music 83.6 to 85.6).
    EXPECT_EQ(gridFadeTrack.Evaluate(0.0), 0.0);
    EXPECT_EQ(gridFadeTrack.Evaluate(19.0), 0.0);
    EXPECT_NEAR(gridFadeTrack.Evaluate(20.0), 0.5, 1e-12);
    EXPECT_EQ(gridFadeTrack.Evaluate(21.0), 1.0);
    EXPECT_NEAR(gridFadeTrack.Evaluate(84.6 - kGridStart), 0.5, 1e-6);
    // Scene 4 comes out of black over its first two seconds.
    EXPECT_EQ(greetingsFadeTrack.Evaluate(0.0), 1.0);
    EXPECT_NEAR(greetingsFadeTrack.Evaluate(1.0), 0.5, 1e-12);
    EXPECT_EQ(greetingsFadeTrack.Evaluate(2.0), 0.0);
}

TEST_F(Schedule, CaptionSwitchesOnAtTwoSecondsAndFadesOut) {
    EXPECT_EQ(captionTrack.Evaluate(1.999), 0.0);
    EXPECT_EQ(captionTrack.Evaluate(2.0), 1.0);
    EXPECT_EQ(captionTrack.Evaluate(15.0), 1.0);
    EXPECT_NEAR(captionTrack.Evaluate(18.0), 0.5, 1e-12);
    EXPECT_EQ(captionTrack.Evaluate(21.0), 0.0);
}

TEST_F(Schedule, GreetingIndexStepsAtTheImageChanges) {
    EXPECT_EQ(IndexAt(10.99), 0);
    EXPECT_EQ(IndexAt(11.0), 1);
    for (int i = 1; i <= 6; ++i) {
        double change = 3.0 + 8.0 * i;
        // The ease reaches the next integer in double precision some 1e-7 s
        // before the key, while the image is dark; a millisecond is well clear.
        EXPECT_EQ(IndexAt(change - 1e-3), i - 1) << change;
        EXPECT_EQ(IndexAt(change), i) << change;
        // Each change happens while the image is dark.
        EXPECT_EQ(greetingBrightnessTrack.Evaluate(change), 0.0) << change;
    }
    for (double t = 51.0; t <= 63.4; t += 0.1)
        EXPECT_EQ(IndexAt(t), 6) << t;
}

TEST_F(Schedule, GreetingImagesBrightenHoldAndDarken) {
    EXPECT_EQ(greetingBrightnessTrack.Evaluate(0.0), 0.0);
    EXPECT_NEAR(greetingBrightnessTrack.Evaluate(2.0), 0.5, 1e-12);
    EXPECT_EQ(greetingBrightnessTrack.Evaluate(4.0), 1.0);
    EXPECT_EQ(greetingBrightnessTrack.Evaluate(30.0), 1.0);
    EXPECT_NEAR(greetingBrightnessTrack.Evaluate(51.5), 0.5, 1e-12);
    for (double t = 59.0; t <= 70.0; t += 0.25)
        EXPECT_EQ(greetingBrightnessTrack.Evaluate(t), 0.0) << t;
}

TEST_F(Schedule, ClosingAndCreditsFadeToBlack) {
    for (double t = 0.0; t <= 169.0; t += 0.5)
        EXPECT_EQ(closingFadeTrack.Evaluate(t), 0.0) << t;
    EXPECT_NEAR(closingFadeTrack.Evaluate(170.0), 0.5, 1e-12);
    EXPECT_EQ(closingFadeTrack.Evaluate(kCreditsStart), 1.0);

    EXPECT_EQ(creditsFadeTrack.Evaluate(0.0), 1.0);
    EXPECT_NEAR(creditsFadeTrack.Evaluate(5.0), 0.5, 1e-12);
    EXPECT_EQ(creditsFadeTrack.Evaluate(10.0), 0.0);
    EXPECT_NEAR(creditsFadeTrack.Evaluate(12.5), 0.5, 1e-12);
    EXPECT_EQ(creditsFadeTrack.Evaluate(15.0), 1.0);
    EXPECT_EQ(creditsFadeTrack.Evaluate(500.0), 1.0);
}

} // namespace
