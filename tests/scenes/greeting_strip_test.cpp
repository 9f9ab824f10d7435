// The greeting strip on its own: with the particle cloud taken away and the
// music held at its silent first instant, every frame of the greetings scene
// has the same background, and what differs is the strip.
#include "production_frames.h"

#include <utility>

namespace {

Frame GreetingsAt(double sceneTime) {
    return ProductionTest::RenderScene(GreetingsScene(), sceneTime);
}

// The sum of absolute channel differences inside (or outside) a rectangle.
long Difference(const Frame& a, const Frame& b, const Rect& r, bool inside) {
    long sum = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const bool in = x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
            for (int c = 0; in == inside && c < 3; ++c) {
                const size_t i = 4 * (y * a.width + x) + c;
                sum += std::abs(a.rgba[i] - b.rgba[i]);
            }
        }
    return sum;
}

} // namespace

using GreetingStrip = ProductionTest;

TEST_F(GreetingStrip, ImagesChangeOnlyWhileTheStripIsDark) {
    std::vector<Particle> cloud;
    std::swap(cloud, Scenes().particleSystem.particles);
    Sound().SetPosition(0.0);
    const Rect strip = Centre(0.375, 0.09375);
    // Wide enough for the strip's edge pixels, which filtering may touch.
    const Rect margin{strip.x - 2, strip.y - 2, strip.width + 4, strip.height + 4};
    const Frame dark = GreetingsAt(59.5);
    for (double change : {11.0, 19.0, 27.0, 35.0, 43.0, 51.0}) {
        SCOPED_TRACE(change);
        const Frame before = GreetingsAt(change - 0.5);
        const Frame after = GreetingsAt(change + 0.5);
        EXPECT_EQ(GreetingsAt(change).rgba, dark.rgba) << "the strip is lit at the change";
        EXPECT_EQ(Difference(before, dark, margin, false), 0) << "drawn outside the strip";
        EXPECT_GT(Difference(before, dark, strip, true), 20L * strip.width * strip.height / 10);
        EXPECT_GT(Difference(after, before, strip, true), 20L * strip.width * strip.height / 10);
    }
    std::swap(cloud, Scenes().particleSystem.particles);
}
