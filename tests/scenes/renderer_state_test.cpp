// The GL state every renderer leaves for the next frame, and the values the
// scenes hand to their programs.
#include "production_frames.h"

#include "app/globals.h"
#include "app/timeline.h"
#include "scenes/scenes.h"

#include <cmath>

namespace {

void ExpectIdentity(GLenum matrix) {
    GLfloat m[16];
    glGetFloatv(matrix, m);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(m[i], i % 5 == 0 ? 1.0f : 0.0f) << "element " << i;
}

GLint Integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

std::vector<GLfloat> RbUniform(const char* name, int count) {
    std::vector<GLfloat> values(count);
    glGetUniformfv(rbProgram.program, glGetUniformLocation(rbProgram.program, name), values.data());
    return values;
}

GLint RbStrength() {
    GLint s = 0;
    glGetUniformiv(rbProgram.program, glGetUniformLocation(rbProgram.program, "s"), &s);
    return s;
}

GLfloat RiUniform(const char* name) {
    GLfloat value = -1.0f;
    glGetUniformfv(riProgram.program, glGetUniformLocation(riProgram.program, name), &value);
    return value;
}

} // namespace

using RendererState = ProductionTest;

TEST_F(RendererState, EveryRendererLeavesTheSharedState) {
    // Scene 1, scene 2 without and with its fade, grid, greetings, closing, credits.
    for (double t : {20.0, 52.6, 63.1, 70.0, 100.0, 160.0, 175.0}) {
        SCOPED_TRACE(t);
        RenderAt(t);
        EXPECT_EQ(Integer(GL_DRAW_FRAMEBUFFER_BINDING), 0);
        GLint v[4];
        glGetIntegerv(GL_VIEWPORT, v);
        EXPECT_EQ((std::vector<GLint>{v[0], v[1], v[2], v[3]}),
                  (std::vector<GLint>{View().x, View().y, View().width, View().height}));
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0);
        EXPECT_EQ(Integer(GL_CURRENT_PROGRAM), 0);
        EXPECT_EQ(Integer(GL_MATRIX_MODE), GL_MODELVIEW);
        ExpectIdentity(GL_MODELVIEW_MATRIX);
        ExpectIdentity(GL_PROJECTION_MATRIX);
    }
}

TEST_F(RendererState, InSilenceTheGlowStrengthIs450) {
    music.SetPosition(0.0);
    RenderWaveGridScene(kGridStart + 1.0);
    ASSERT_EQ(MidLevel(), 1.0f) << "the music's first instant is not silent";
    EXPECT_EQ(RbStrength(), 450);
    RenderGreetingsScene(kGreetingsStart + 1.0);
    EXPECT_EQ(RbStrength(), 450);
    EXPECT_EQ(RbUniform("c", 4), (std::vector<GLfloat>{50.0f, 50.0f, 50.0f, 50.0f}));
}

TEST_F(RendererState, GridPointCirclesAndStrengthFollowsTheMusic) {
    const double pi = std::acos(-1.0);
    const std::vector<GLfloat> points[] = {{0.5f, 1.0f}, {0.0f, 0.5f}, {0.5f, 0.0f}};
    for (int turn = 0; turn < 3; ++turn) {
        SCOPED_TRACE(turn);
        // Just past the start: the boundary itself still belongs to the title.
        RenderAt(kGridStart + turn * pi + 1e-9);
        const std::vector<GLfloat> o = RbUniform("o", 2);
        EXPECT_NEAR(o[0], points[turn][0], 1e-5f);
        EXPECT_NEAR(o[1], points[turn][1], 1e-5f);
        // `spectrum` still holds what this frame read.
        EXPECT_EQ(RbStrength(), PostStrength(MidLevel()));
    }
    RenderAt(kGreetingsStart + 20.0);
    const float glow = 50.0f * MidLevel();
    EXPECT_EQ(RbUniform("c", 4), (std::vector<GLfloat>{glow, glow, glow, glow}));
}

TEST_F(RendererState, TitleProgramRisesOverFourSecondsThenHolds) {
    RenderAt(kTitleStart + 2.0);
    EXPECT_NEAR(RiUniform("a"), 0.25f, 1e-6f);
    EXPECT_NEAR(RiUniform("p"), 0.1f, 1e-6f);
    RenderAt(kTitleStart + 10.0);
    EXPECT_EQ(RiUniform("a"), 0.5f);
    EXPECT_NEAR(RiUniform("p"), 0.5f, 1e-6f);
}
