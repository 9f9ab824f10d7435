#include "production_frames.h"

#include "scenes/scene_steps.h"

#include <cmath>

using Fade = ProductionTest;

// The opacity reaches GL already clamped to [0, 1]: an 8-bit framebuffer
// would clamp the blend factor anyway, but a float target or a context without
// colour clamping would otherwise brighten the frame.
TEST_F(Fade, DarkensOnlyTheViewportByAClampedOpacity) {
    glClearColor(200 / 255.0f, 200 / 255.0f, 200 / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    DrawFade(0.5f);
    const Frame frame = ReadWindow();
    EXPECT_NEAR(frame.Mean(Centre(1.0, 1.0)), 100.0, 0.5);
    EXPECT_EQ(frame.Max({0, 0, 320, View().y}), 200) << "the fade reached the letterbox";

    const float cases[][2] = {{-1.0f, 0.0f}, {std::nanf(""), 0.0f}, {2.0f, 1.0f}, {0.25f, 0.25f}};
    for (const auto& fade : cases) {
        SCOPED_TRACE(fade[0]);
        DrawFade(fade[0]);
        float colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(colour[3], fade[1]);
    }
}
