// The production's three shader pairs in resource/, compiled by the driver
// and drawn through: what each computes, checked on pictures whose answer
// is known.
#include "gfx/render_target.h"
#include "gfx/shader.h"
#include "gfx/texture.h"

#include "tests/support/gl_fixture.h"
#include "tests/support/png_files.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <vector>

namespace {

struct Pair {
    const char* vertex;
    const char* fragment;
};
const Pair kRb = {"./resource/rb.ves", "./resource/rb.pis"};
const Pair kRi = {"./resource/ri.ves", "./resource/ri.pis"};
const Pair kPs = {"./resource/ps.ves", "./resource/ps.pis"};

Shader LoadPair(const Pair& pair) {
    Shader shader{};
    CapturePrinted([&] { EXPECT_TRUE(shader.Load(pair.vertex, "", pair.fragment)); });
    return shader;
}

std::map<std::string, GLenum> ActiveUniforms(GLuint program) {
    std::map<std::string, GLenum> types;
    const GLint count = [&] {
        GLint n = 0;
        glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &n);
        return n;
    }();
    for (GLint i = 0; i < count; ++i) {
        char name[64];
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, GLuint(i), sizeof name, nullptr, &size, &type, name);
        types[name] = type;
    }
    return types;
}

// A float colour buffer the size of the window: shader output arrives
// unclamped, so a NaN or a value beyond 1 shows.
class FloatCanvas {
  public:
    FloatCanvas() {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, kWindowWidth, kWindowHeight, 0, GL_RGBA,
                     GL_FLOAT, nullptr);
        glBindTexture(GL_TEXTURE_2D, 0);
        glGenFramebuffersEXT(1, &framebuffer);
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
        glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D,
                                  texture, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    }
    ~FloatCanvas() {
        glDeleteFramebuffersEXT(1, &framebuffer);
        glDeleteTextures(1, &texture);
    }
    void Bind() { glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer); }
    void Unbind() { glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0); }
    std::vector<float> Read() {
        std::vector<float> values(size_t(kWindowWidth) * kWindowHeight * 4);
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, values.data());
        glBindTexture(GL_TEXTURE_2D, 0);
        return values;
    }

  private:
    GLuint texture = 0;
    GLuint framebuffer = 0;
};

void ExpectFiniteAndInRange(const std::vector<float>& values) {
    size_t bad = 0;
    for (float v : values)
        bad += !(std::isfinite(v) && v >= 0.0f && v <= 1.0f);
    EXPECT_EQ(bad, 0u);
}

// ---- All three pairs ----------------------------------------------------------------

using ShaderSourcesTest = GlTest;

TEST_F(ShaderSourcesTest, EachPairCompilesAndLinksWithoutAnyLog) {
    for (const Pair& pair : {kRb, kRi, kPs}) {
        Shader shader{};
        bool loaded = false;
        const std::string printed =
            CapturePrinted([&] { loaded = shader.Load(pair.vertex, "", pair.fragment); });
        EXPECT_TRUE(loaded) << pair.vertex;
        EXPECT_EQ(printed, std::string("Shader::Load ") + pair.vertex + "\nShader::Load " +
                               pair.fragment + "\n");
    }
}

TEST_F(ShaderSourcesTest, UniformsHaveTheTypesTheScenesSet) {
    const std::map<std::string, GLenum> rb = ActiveUniforms(LoadPair(kRb).program);
    EXPECT_EQ(rb.at("o"), GLenum(GL_FLOAT_VEC2));
    EXPECT_EQ(rb.at("s"), GLenum(GL_INT));
    EXPECT_EQ(rb.at("c"), GLenum(GL_FLOAT_VEC4));
    const std::map<std::string, GLenum> ri = ActiveUniforms(LoadPair(kRi).program);
    EXPECT_EQ(ri.at("a"), GLenum(GL_FLOAT));
    EXPECT_EQ(ri.at("p"), GLenum(GL_FLOAT));
}

// ---- "rb", the post pass ----------------------------------------------------------------

class RbTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        rb = LoadPair(kRb);
        ASSERT_TRUE(target.Create(kWindowWidth, kWindowHeight));
    }

    // Draws into the target: black, with the given rectangles (in -1..1).
    void Picture(const std::vector<std::vector<float>>& rects, float grey = 1.0f) {
        target.Bind();
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(grey, grey, grey);
        for (const std::vector<float>& r : rects)
            glRectf(r[0], r[1], r[2], r[3]);
        glColor3f(1, 1, 1);
        target.Unbind();
    }

    void Pass(float ox, float oy, int s, float c, bool added = false) {
        target.BindTexture(GL_TEXTURE0);
        if (added)
            DrawScreenQuad();
        rb.Bind();
        rb.SetUniform2f("o", ox, oy);
        rb.SetUniform1i("s", s);
        rb.SetUniform4f("c", c, c, c, c);
        if (added) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE);
        }
        DrawScreenQuad();
        glDisable(GL_BLEND);
        rb.Unbind();
        target.UnbindTexture();
    }

    // The farthest column right of the middle that the streak lights, over
    // the three middle rows.
    int StreakEnd() {
        int end = 0;
        for (int y = 89; y <= 91; ++y)
            for (int x = kWindowWidth / 2; x < kWindowWidth; ++x)
                if (ReadPixel(x, y).r > 4)
                    end = std::max(end, x);
        return end;
    }

    Shader rb{};
    RenderTarget target{};
};

TEST_F(RbTest, UnitGainKeepsAFlatPictureAsItIs) {
    Picture({{-1, -1, 1, 1}}, 0.6f);
    for (int s : {500, 250, 0}) {
        Pass(0.3f, 0.8f, s, 1.0f);
        for (int x : {1, 160, 318}) {
            EXPECT_NEAR(ReadPixel(x, 2).g, 153, 1) << "s " << s << " x " << x;
            EXPECT_NEAR(ReadPixel(x, 177).b, 153, 1) << "s " << s << " x " << x;
        }
    }
}

// A white bar right of centre, columns 232 to 247 (wider than the gap
// between two taps at the longest reach), on black.
const std::vector<float> kBar = {0.45f, -0.1f, 0.55f, 0.1f};

// Pixels beyond the bar (away from "o") pick up its light, pixels between it
// and "o" do not.
TEST_F(RbTest, StreaksRunAwayFromTheCentrePoint) {
    Picture({kBar});
    Pass(0.5f, 0.5f, 0, 1.0f);
    EXPECT_GT(ReadPixel(260, 90).r, 8);
    EXPECT_LE(ReadPixel(225, 90).r, 2);

    // With "o" at the right edge the streak turns round.
    Pass(1.0f, 0.5f, 0, 1.0f);
    EXPECT_GT(ReadPixel(225, 90).r, 8);
    EXPECT_LE(ReadPixel(255, 90).r, 2);

    // "o" itself stays sharp: a dot at "o" is not smeared.
    Picture({{-0.02f, -0.02f, 0.02f, 0.02f}});
    Pass(0.5f, 0.5f, 0, 1.0f);
    EXPECT_LE(ReadPixel(168, 90).r, 2);
}

TEST_F(RbTest, SmallerReachValuesGiveLongerStreaks) {
    Picture({kBar});
    std::map<int, int> ends;
    int previous = 0;
    for (int s : {2000, 250, 100, 0}) {
        Pass(0.5f, 0.5f, s, 1.0f);
        ends[s] = StreakEnd();
        EXPECT_GT(ends[s], previous) << "s " << s;
        previous = ends[s];
    }
    EXPECT_GT(ends[0], 247 + 40) << "0 gives a long streak";
    Pass(0.5f, 0.5f, 500, 1.0f);
    EXPECT_LE(StreakEnd(), 247 + 6) << "500 is a short reach";
    for (int s : {-1, -500, INT_MIN}) {
        Pass(0.5f, 0.5f, s, 1.0f);
        EXPECT_EQ(StreakEnd(), ends[0]) << "s " << s << " reaches as far as s = 0";
    }
}

TEST_F(RbTest, OutputIsFiniteAndInRangeForAnyValues) {
    Picture({{-1, -1, 0, 1}, {0.5f, -0.5f, 0.6f, 0.5f}});
    FloatCanvas canvas;
    for (int s : {INT_MIN, -1, 0, 1, 500, INT_MAX})
        for (float c : {-50.0f, 0.0f, 1.0f, 50.0f, 1.0e6f}) {
            SCOPED_TRACE(testing::Message() << "s " << s << " c " << c);
            canvas.Bind();
            Pass(0.5f, 0.5f, s, c);
            canvas.Unbind();
            ExpectFiniteAndInRange(canvas.Read());
        }
}

// Scene 4 adds the pass with "c" = 50 × level onto a plain copy. A dim
// picture must come out brighter, with headroom left: a glow, not white.
TEST_F(RbTest, LargeGainAddedOntoACopyGlowsWithoutWhiteOut) {
    Picture({{-1, -1, 1, 1}}, 0.1f);
    int previous = 26;
    for (float c : {50.0f, 100.0f, 250.0f}) {
        glClear(GL_COLOR_BUFFER_BIT);
        Pass(0.5f, 0.5f, 450, c, true);
        const int brightness = ReadPixel(40, 40).g;
        EXPECT_GT(brightness, previous) << "c " << c;
        EXPECT_LT(brightness, 215) << "c " << c;
        previous = brightness;
    }
    // Black stays black: the glow is light spread from the picture.
    Picture({kBar});
    glClear(GL_COLOR_BUFFER_BIT);
    Pass(0.5f, 0.5f, 450, 50.0f, true);
    EXPECT_EQ(ReadPixel(40, 40).r, 0);
    EXPECT_GT(ReadPixel(249, 90).r, 0) << "lit beyond the bar";
}

// ---- "ri", the animated title -------------------------------------------------------------

class RiTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        ri = LoadPair(kRi);
        // An opaque red block on the left, a half-transparent white block on
        // the right, transparent elsewhere; loaded premultiplied.
        constexpr int w = 64, h = 32;
        std::vector<unsigned char> pixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool band = y >= 8 && y < 24;
                const bool red = band && x >= 8 && x < 24;
                const bool white = band && x >= 40 && x < 56;
                const unsigned char full = red || white ? 255 : 0;
                const unsigned char grey = white ? 255 : 0;
                const unsigned char alpha = red ? 255 : (white ? 128 : 0);
                pixels.insert(pixels.end(), {full, grey, grey, alpha});
            }
        const std::string path = WritePng("title.png", w, h, 4, pixels);
        CapturePrinted([&] { title.Load(path); });
        ASSERT_NE(title.id, 0u);
    }

    // As the scene draws it: alpha blended over what is there.
    void DrawTitle(float a, float p) {
        title.Bind(GL_TEXTURE0);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        ri.Bind();
        ri.SetUniform1f("a", a);
        ri.SetUniform1f("p", p);
        DrawScreenQuad();
        ri.Unbind();
        glDisable(GL_BLEND);
        title.Unbind();
    }

    Shader ri{};
    Texture title{};
};

// Block centres in window pixels: red at (80, 90), white at (240, 90).
TEST_F(RiTest, WithoutStrengthTheTitleIsDrawnPlainlyOver) {
    DrawTitle(0.0f, 0.0f);
    // Premultiplying keeps 255 × 255 as 254.
    const Rgba red = ReadPixel(80, 90);
    EXPECT_GE(red.r, 254);
    EXPECT_EQ(red.g, 0);
    // Half-transparent white over black: half grey, not darkened twice.
    EXPECT_NEAR(ReadPixel(240, 90).g, 128, 3);
    EXPECT_EQ(ReadPixel(160, 90).g, 0) << "transparent parts leave the scene alone";
    EXPECT_EQ(ReadPixel(80, 10).r, 0);
}

TEST_F(RiTest, StrengthAddsAGlowAroundTheLetters) {
    // Just outside the red block's edge.
    DrawTitle(0.0f, 0.3f);
    EXPECT_EQ(ReadPixel(80, 140).r, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    DrawTitle(0.5f, 0.3f);
    EXPECT_GT(ReadPixel(80, 140).r, 3);
    EXPECT_GT(ReadPixel(80, 90).r, 200) << "the block itself stays";
}

TEST_F(RiTest, AnyPhaseGivesAFiniteTitleInPlace) {
    FloatCanvas canvas;
    for (float p : {0.0f, 1.1f, -3.0f, 1.0e4f, 1.0e7f, 1.0e20f}) {
        SCOPED_TRACE(p);
        canvas.Bind();
        glClear(GL_COLOR_BUFFER_BIT);
        DrawTitle(0.5f, p);
        canvas.Unbind();
        const std::vector<float> values = canvas.Read();
        ExpectFiniteAndInRange(values);
        const float* red = &values[(size_t(90) * kWindowWidth + 80) * 4];
        EXPECT_GT(red[0], 0.8f);
        EXPECT_LT(red[2], 0.5f);
    }
}

} // namespace
