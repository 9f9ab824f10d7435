#include "gfx/particle_system.h"

#include "tests/support/gl_fixture.h"
#include "tests/support/png_files.h"

#include <GL/glu.h>

namespace {

const char* const kVertexFile = "./resource/ps.ves";
const char* const kPixelFile = "./resource/ps.pis";

// The base size a 320-pixel-wide window gives every particle (640 × 320 / 800).
constexpr float kBaseSize = 256.0f;

// A white disc on a transparent square.
std::string WriteDiscSprite() {
    constexpr int size = 32;
    std::vector<unsigned char> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float dx = x + 0.5f - size / 2.0f;
            const float dy = y + 0.5f - size / 2.0f;
            const unsigned char alpha = dx * dx + dy * dy < 14.0f * 14.0f ? 255 : 0;
            pixels.insert(pixels.end(), {255, 255, 255, alpha});
        }
    return WritePng("disc.png", size, size, 4, pixels);
}

class ParticleSystemTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        const std::string sprite = WriteDiscSprite();
        CapturePrinted([&] { ASSERT_TRUE(system.Load(sprite, kVertexFile, kPixelFile)); });
    }

    // The greetings scene's camera and blending around the draw.
    void DrawLikeTheScene() {
        glMatrixMode(GL_PROJECTION);
        gluPerspective(60, 16.0 / 9.0, 0.1, 1000);
        glMatrixMode(GL_MODELVIEW);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        system.Draw();
        glDisable(GL_BLEND);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
    }

    ParticleSystem system{};
};

// Lit pixels in a box around (cx, cy).
int LitAround(int cx, int cy, int half) {
    int lit = 0;
    for (int y = cy - half; y <= cy + half; ++y)
        for (int x = cx - half; x <= cx + half; ++x) {
            const Rgba p = ReadPixel(x, y);
            lit += p.r + p.g + p.b > 0;
        }
    return lit;
}

// ---- Loading -------------------------------------------------------------------------

using ParticleSystemLoad = GlTest;

TEST_F(ParticleSystemLoad, ReadsThePointSizeRangeAndReturnsTheProgramResult) {
    ParticleSystem system{};
    const std::string missing = ScratchPath("no_sprite.png");
    bool loaded = false;
    const std::string printed =
        CapturePrinted([&] { loaded = system.Load(missing, kVertexFile, kPixelFile); });
    EXPECT_TRUE(loaded) << "a missing sprite does not fail the load";
    EXPECT_EQ(system.texture.id, 0u);
    EXPECT_EQ(printed, "Texture::Load " + missing +
                           "\nShader::Load ./resource/ps.ves\nShader::Load ./resource/ps.pis\n");
    GLfloat range[2];
    glGetFloatv(GL_ALIASED_POINT_SIZE_RANGE, range);
    EXPECT_EQ(system.pointSizeRange[0], range[0]);
    EXPECT_EQ(system.pointSizeRange[1], range[1]);

    GlStandIn<PFNGLCREATEPROGRAMPROC> noProgram(__glewCreateProgram, []() -> GLuint { return 0; });
    ParticleSystem failing{};
    CapturePrinted([&] { loaded = failing.Load(missing, kVertexFile, kPixelFile); });
    EXPECT_FALSE(loaded);
}

// ---- Drawing -------------------------------------------------------------------------

// The camera looks down -z. A near particle lands left of centre and a far one
// right of it, each where its position projects, the near one much larger.
TEST_F(ParticleSystemTest, NearParticlesAreLargeFarOnesSmallEachAtItsPosition) {
    system.particles = {{-1.0f, 0.0f, -5.0f, kBaseSize, 1, 0, 0, 1},
                        {8.0f, 0.0f, -40.0f, kBaseSize, 1, 0, 0, 1}};
    DrawLikeTheScene();

    // x on screen: 160 + 160 × (x / -z) / (tan 30° × 16/9).
    const int nearSpot = LitAround(160 - 31, 90, 40);
    const int farSpot = LitAround(160 + 31, 90, 12);
    EXPECT_GT(nearSpot, 20 * 20);
    EXPECT_GT(farSpot, 4);
    EXPECT_GT(nearSpot, 16 * farSpot);
    EXPECT_EQ(ReadPixel(160, 90).r, 0) << "nothing at the centre between them";
}

// An empty cloud draws nothing; after any draw, lines and quads are drawn
// as if no sprite had been: no texture, no point state on them.
TEST_F(ParticleSystemTest, LinesAndQuadsAfterADrawAreUntextured) {
    DrawLikeTheScene();
    EXPECT_EQ(LitAround(kWindowWidth / 2, kWindowHeight / 2, 60), 0);
    system.particles = {{0.0f, 0.0f, -10.0f, kBaseSize, 1, 1, 1, 1}};
    DrawLikeTheScene();
    glClear(GL_COLOR_BUFFER_BIT);

    glColor3f(0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(0.0f, -1.0f);
    glVertex2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    glColor3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex2f(0.503125f, -1.0f);
    glVertex2f(0.503125f, 1.0f);
    glEnd();

    for (int y = 10; y < kWindowHeight; y += 40) {
        const Rgba quad = ReadPixel(40, y);
        EXPECT_EQ(quad.b, 255);
        EXPECT_EQ(quad.r + quad.g, 0);
    }
    EXPECT_EQ(ReadPixel(240, 90).g, 255);
    EXPECT_EQ(ReadPixel(242, 90).g, 0) << "lines keep their width of one pixel";
}

} // namespace
