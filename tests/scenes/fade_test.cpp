#include "production_frames.h"

#include "scenes/scene_steps.h"

#include <cmath>

using Fade = ProductionTest;

// An 8-bit framebuffer clamps the blend factor itself, so this is only seen
// in the colour GL is handed: a float target or a context without colour
// clamping would let a negative opacity brighten the frame.
TEST_F(Fade, HandsGlAClampedOpacity) {
    const float cases[][2] = {{-1.0f, 0.0f}, {std::nanf(""), 0.0f}, {2.0f, 1.0f}, {0.25f, 0.25f}};
    for (const auto& fade : cases) {
        SCOPED_TRACE(fade[0]);
        DrawFade(fade[0]);
        float colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(colour[3], fade[1]);
    }
}
