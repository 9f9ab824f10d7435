// What a viewer sees at the times the schedule names: black where a fade is
// complete, a picture elsewhere, half brightness half-way through a fade.
#include "production_frames.h"

#include "app/globals.h"
#include "scenes/scene_steps.h"
#include "scenes/scenes.h"

#include <cmath>

namespace {

constexpr int kLitLevel = 48;

// The opening frame exactly as its renderer draws it, but without the fade.
Frame UnfadedOpening(double t) {
    music.SetPosition(t);
    music.ReadSpectrum();
    DrawLineField(t);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawImageQuad(titleTexture);
    renderTarget.Unbind();
    DrawPostPass(0.5f, 0.5f, 500, 1.0f, 1.0f, 1.0f, 1.0f);
    DrawImageQuad(titleTexture);
    return ProductionTest::ReadWindow();
}

void ExpectHalfOf(const Frame& faded, const Frame& full) {
    int worst = 0;
    for (size_t i = 0; i < full.rgba.size(); i += 4)
        for (size_t c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(2 * faded.rgba[i + c] - full.rgba[i + c]));
    EXPECT_LE(worst, 2) << "a pixel is not at half its unfaded brightness";
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

    music.SetPosition(170.0);
    RenderLineFieldScene(170.0);
    const Frame closing = ReadWindow();
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
