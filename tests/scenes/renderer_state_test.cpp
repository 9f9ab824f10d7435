// The GL state every renderer leaves for the next frame, and what the mid
// band hands to the post program.
#include "production_frames.h"

#include "scenes/music_levels.h"
#include "scenes/timeline.h"
#include "tests/support/gl_fixture.h"

namespace {

void ExpectIdentity(GLenum matrix) {
    GLfloat m[16];
    glGetFloatv(matrix, m);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(m[i], i % 5 == 0 ? 1.0f : 0.0f) << "element " << i;
}

GLint RbLocation(const char* name) {
    return glGetUniformLocation(ProductionTest::Scenes().rbProgram.program, name);
}

} // namespace

using RendererState = ProductionTest;

TEST_F(RendererState, EveryRendererLeavesTheSharedState) {
    // Scene 1, scene 2 without and with its fade, grid, greetings, closing, credits.
    for (double t : {20.0, 52.6, 63.1, 70.0, 100.0, 160.0, 175.0}) {
        SCOPED_TRACE(t);
        RenderAt(t);
        GLint v[4];
        glGetIntegerv(GL_VIEWPORT, v);
        EXPECT_TRUE(v[0] == View().x && v[1] == View().y && v[2] == View().width &&
                    v[3] == View().height);
        EXPECT_EQ(GetInteger(GL_DRAW_FRAMEBUFFER_BINDING), 0);
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST) || glIsEnabled(GL_BLEND));
        EXPECT_EQ(GetInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(GetInteger(GL_TEXTURE_BINDING_2D), 0);
        EXPECT_EQ(GetInteger(GL_CURRENT_PROGRAM), 0);
        EXPECT_EQ(GetInteger(GL_MATRIX_MODE), GL_MODELVIEW);
        ExpectIdentity(GL_MODELVIEW_MATRIX);
        ExpectIdentity(GL_PROJECTION_MATRIX);
    }
}

TEST_F(RendererState, MidBandSetsStrengthAndGlow) {
    GLint s = 0;
    GLfloat c[4];
    const GLuint rb = Scenes().rbProgram.program;
    const float* spectrum = Sound().spectrum;
    Sound().SetPosition(0.0);
    RenderScene(WaveGridScene(), 1.0);
    ASSERT_EQ(MidLevel(spectrum), 1.0f) << "the music's first instant is not silent";
    glGetUniformiv(rb, RbLocation("s"), &s);
    EXPECT_EQ(s, 450);
    RenderScene(GreetingsScene(), 1.0);
    glGetUniformiv(rb, RbLocation("s"), &s);
    glGetUniformfv(rb, RbLocation("c"), c);
    EXPECT_EQ(s, 450);
    EXPECT_TRUE(c[0] == 50.0f && c[1] == 50.0f && c[2] == 50.0f && c[3] == 50.0f);

    // With the music playing, from what this frame read into `spectrum`.
    RenderAt(kGreetingsStart + 20.0);
    ASSERT_GT(MidLevel(spectrum), 1.0f);
    glGetUniformiv(rb, RbLocation("s"), &s);
    glGetUniformfv(rb, RbLocation("c"), c);
    EXPECT_EQ(s, PostStrength(MidLevel(spectrum)));
    EXPECT_EQ(c[3], 50.0f * MidLevel(spectrum));
}
