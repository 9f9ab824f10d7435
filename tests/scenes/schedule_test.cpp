// The schedule: the production's tracks key by key, and what a viewer sees
// at the times they name: black where a fade is complete, a picture
// elsewhere, half brightness half-way through a fade.
#include "production_frames.h"

#include "scenes/timeline.h"

#include <cmath>

namespace {

constexpr int kLitLevel = 48;

// The opening frame exactly as its scene draws it, but without the fade: its
// passes but the last.
Frame UnfadedOpening(double t) {
    ProductionTest::Sound().SetPosition(t);
    const PassList opening = LineFieldScene();
    EXPECT_STREQ(opening.passes[opening.count - 1].name, "fade");
    return ProductionTest::RenderScene({opening.passes, opening.count - 1}, t);
}

void ExpectHalfOf(const Frame& faded, const Frame& full) {
    int worst = 0;
    for (size_t i = 0; i < full.rgba.size(); i += 4)
        for (size_t c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(2 * faded.rgba[i + c] - full.rgba[i + c]));
    EXPECT_LE(worst, 2) << "a pixel is not at half its unfaded brightness";
}

int IndexAt(const Tracks& tracks, double t) {
    return static_cast<int>(tracks.greetingIndexTrack.Evaluate(t));
}

} // namespace

using Schedule = ProductionTest;

TEST_F(Schedule, CompletedFadesAreBlackAndTheRestShowsAPicture) {
    const Rect window{0, 0, 320, 240};
    const Rect topBar{0, View().y + View().height, 320, View().y};
    for (double t : {0.0, 64.6, 85.6, 85.6 + 1e-6, 171.0, 171.001, 186.0, 200.0}) {
        SCOPED_TRACE(t);
        EXPECT_LE(RenderAt(t).Max(window), 1);
    }
    const Rect picture{View().x, View().y, View().width, View().height};
    for (double t : {12.0, 30.0, 50.0, 70.0, 83.6, 95.0, 120.0, 150.0, 181.0}) {
        SCOPED_TRACE(t);
        const Frame frame = RenderAt(t);
        EXPECT_GT(frame.LitShare(picture, kLitLevel), 0.05);
        EXPECT_EQ(frame.Max({0, 0, 320, View().y}), 0) << "the bottom bar is not black";
        EXPECT_EQ(frame.Max(topBar), 0) << "the top bar is not black";
    }
}

TEST_F(Schedule, HalfWayThroughAFadeTheFrameIsAtHalfBrightness) {
    const Rect picture{View().x, View().y, View().width, View().height};
    const Frame opening = UnfadedOpening(5.0);
    ASSERT_GT(opening.LitShare(picture, kLitLevel), 0.01);
    ExpectHalfOf(RenderAt(5.0), opening);

    Sound().SetPosition(170.0);
    const Frame closing = RenderScene(LineFieldScene(), 170.0);
    ExpectHalfOf(RenderAt(170.0), closing);

    const Frame credits = RenderAt(181.0);
    ASSERT_GT(credits.LitShare(picture, kLitLevel), 0.01);
    ExpectHalfOf(RenderAt(176.0), credits);
    ExpectHalfOf(RenderAt(183.5), credits);
    // From ten seconds on the opening has no fade left.
    EXPECT_EQ(RenderAt(10.0).rgba, UnfadedOpening(10.0).rgba);
}

// The fade is the last thing a frame draws, so the colour it leaves holds the
// opacity the scene gave it. Before its 19th second the title scene draws no
// fade, and the screen quad's white remains.
TEST_F(Schedule, ScenesFadeByTheirTracks) {
    const struct {
        double time;
        float alpha;
    } fades[] = {{61.6, 1.0f}, {63.1, 0.5f}, {83.6, 0.0f},
                 {84.6, 0.5f}, {86.6, 0.5f}, {160.0, 0.0f}};
    for (const auto& fade : fades) {
        SCOPED_TRACE(fade.time);
        RenderAt(fade.time);
        float colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_NEAR(colour[3], fade.alpha, 1e-3f);
    }
}

TEST_F(Schedule, CaptionLightsUpTwoSecondsIntoTheGrid) {
    const Rect strip = Centre(0.5, 0.125);
    const double dark = RenderAt(66.5).Mean(strip);
    EXPECT_GT(RenderAt(66.7).Mean(strip), dark + 10.0);
}

TEST_F(Schedule, TracksHoldTheir44KeysEasedWithCos) {
    const Tracks& tracks = Scenes().tracks;
    const Track* all[] = {&tracks.gridFadeTrack,      &tracks.captionTrack,
                          &tracks.greetingsFadeTrack, &tracks.greetingBrightnessTrack,
                          &tracks.greetingIndexTrack, &tracks.closingFadeTrack,
                          &tracks.creditsFadeTrack};
    size_t total = 0;
    for (const Track* track : all) {
        EXPECT_EQ(track->mode, 5);
        for (const Key* key : track->keys)
            EXPECT_EQ(key->mode, track == &tracks.greetingIndexTrack ? FLAT : LINEAR);
        total += track->keys.size();
    }
    EXPECT_EQ(total, 44u);
    EXPECT_EQ(tracks.greetingBrightnessTrack.keys.size(), 22u);
    EXPECT_EQ(tracks.greetingIndexTrack.keys.size(), 7u);
}

TEST_F(Schedule, SceneFadesCoverAndUncoverTheFrame) {
    const Tracks& tracks = Scenes().tracks;
    // Scene 3 darkens over its last two seconds (music 83.6 to 85.6).
    EXPECT_EQ(tracks.gridFadeTrack.Evaluate(0.0), 0.0);
    EXPECT_EQ(tracks.gridFadeTrack.Evaluate(19.0), 0.0);
    EXPECT_NEAR(tracks.gridFadeTrack.Evaluate(20.0), 0.5, 1e-12);
    EXPECT_EQ(tracks.gridFadeTrack.Evaluate(21.0), 1.0);
    EXPECT_NEAR(tracks.gridFadeTrack.Evaluate(84.6 - kGridStart), 0.5, 1e-6);
    // Scene 4 comes out of black over its first two seconds.
    EXPECT_EQ(tracks.greetingsFadeTrack.Evaluate(0.0), 1.0);
    EXPECT_NEAR(tracks.greetingsFadeTrack.Evaluate(1.0), 0.5, 1e-12);
    EXPECT_EQ(tracks.greetingsFadeTrack.Evaluate(2.0), 0.0);
}

TEST_F(Schedule, CaptionSwitchesOnAtTwoSecondsAndFadesOut) {
    const Tracks& tracks = Scenes().tracks;
    EXPECT_EQ(tracks.captionTrack.Evaluate(1.999), 0.0);
    EXPECT_EQ(tracks.captionTrack.Evaluate(2.0), 1.0);
    EXPECT_EQ(tracks.captionTrack.Evaluate(15.0), 1.0);
    EXPECT_NEAR(tracks.captionTrack.Evaluate(18.0), 0.5, 1e-12);
    EXPECT_EQ(tracks.captionTrack.Evaluate(21.0), 0.0);
}

TEST_F(Schedule, GreetingIndexStepsAtTheImageChanges) {
    const Tracks& tracks = Scenes().tracks;
    EXPECT_EQ(IndexAt(tracks, 10.99), 0);
    EXPECT_EQ(IndexAt(tracks, 11.0), 1);
    for (int i = 1; i <= 6; ++i) {
        double change = 3.0 + 8.0 * i;
        // The ease reaches the next integer in double precision some 1e-7 s
        // before the key, while the image is dark; a millisecond is well clear.
        EXPECT_EQ(IndexAt(tracks, change - 1e-3), i - 1) << change;
        EXPECT_EQ(IndexAt(tracks, change), i) << change;
        // Each change happens while the image is dark.
        EXPECT_EQ(tracks.greetingBrightnessTrack.Evaluate(change), 0.0) << change;
    }
    for (double t = 51.0; t <= 63.4; t += 0.1)
        EXPECT_EQ(IndexAt(tracks, t), 6) << t;
}

TEST_F(Schedule, GreetingImagesBrightenHoldAndDarken) {
    const Tracks& tracks = Scenes().tracks;
    EXPECT_EQ(tracks.greetingBrightnessTrack.Evaluate(0.0), 0.0);
    EXPECT_NEAR(tracks.greetingBrightnessTrack.Evaluate(2.0), 0.5, 1e-12);
    EXPECT_EQ(tracks.greetingBrightnessTrack.Evaluate(4.0), 1.0);
    EXPECT_EQ(tracks.greetingBrightnessTrack.Evaluate(30.0), 1.0);
    EXPECT_NEAR(tracks.greetingBrightnessTrack.Evaluate(51.5), 0.5, 1e-12);
    for (double t = 59.0; t <= 70.0; t += 0.25)
        EXPECT_EQ(tracks.greetingBrightnessTrack.Evaluate(t), 0.0) << t;
}

TEST_F(Schedule, ClosingAndCreditsFadeToBlack) {
    const Tracks& tracks = Scenes().tracks;
    for (double t = 0.0; t <= 169.0; t += 0.5)
        EXPECT_EQ(tracks.closingFadeTrack.Evaluate(t), 0.0) << t;
    EXPECT_NEAR(tracks.closingFadeTrack.Evaluate(170.0), 0.5, 1e-12);
    EXPECT_EQ(tracks.closingFadeTrack.Evaluate(kCreditsStart), 1.0);

    EXPECT_EQ(tracks.creditsFadeTrack.Evaluate(0.0), 1.0);
    EXPECT_NEAR(tracks.creditsFadeTrack.Evaluate(5.0), 0.5, 1e-12);
    EXPECT_EQ(tracks.creditsFadeTrack.Evaluate(10.0), 0.0);
    EXPECT_NEAR(tracks.creditsFadeTrack.Evaluate(12.5), 0.5, 1e-12);
    EXPECT_EQ(tracks.creditsFadeTrack.Evaluate(15.0), 1.0);
    EXPECT_EQ(tracks.creditsFadeTrack.Evaluate(500.0), 1.0);
}
