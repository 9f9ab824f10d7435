// The layer against the desktop GL on the same machine: wide lines and point
// sprites drawn both ways must cover the same pixels with the same colours,
// and the shader rewrite must carry the production's programs and name what
// it cannot carry.
#include "gles/layer_state.h"
#include "gles/legacy_gl.h"
#include "gles/shader_rewrite.h"
#include "tests/gles/test_drawings.h"
#include "tests/gles/two_contexts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

TwoContexts& Contexts() {
    static TwoContexts contexts;
    static const bool made = contexts.Create(kWidth, kHeight);
    static const bool loaded = made && (contexts.UseDesktop(), LoadDesktopEntryPoints(), true);
    (void)loaded;
    EXPECT_TRUE(made) << "no desktop GL and GLES 2 context side by side";
    return contexts;
}

// Lines all round the viewer, many crossing the near plane, at every slope;
// one flat colour each, so that any pixel covered differently shows.
std::vector<TestLine> LinesAround() {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-40.0f, 40.0f), reach(-25.0f, 25.0f);
    std::vector<TestLine> lines(1500);
    for (size_t i = 0; i < lines.size(); ++i) {
        TestLine& l = lines[i];
        for (int c = 0; c < 3; ++c) {
            l.from[c] = place(random);
            l.to[c] = l.from[c] + reach(random);
        }
        l.color[0] = static_cast<unsigned char>(i & 255);
        l.color[1] = static_cast<unsigned char>(i >> 8);
        l.color[2] = 255;
    }
    return lines;
}

int LitPixels(const std::vector<unsigned char>& rgba) {
    int lit = 0;
    for (size_t p = 0; p + 3 < rgba.size(); p += 4)
        lit += rgba[p] || rgba[p + 1] || rgba[p + 2];
    return lit;
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Compiles one stage through the layer in the GLES context, attached to
// `program` where one is given; its info log.
bool CompileThroughLayer(GLenum stage, const std::string& source, std::string& log,
                         GLuint program = 0) {
    const GLuint shader = glCreateShader(stage);
    if (program)
        glAttachShader(program, shader);
    const GLchar* text = source.c_str();
    zgl_ShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    char buffer[2048] = "";
    glGetShaderInfoLog(shader, sizeof buffer, nullptr, buffer);
    log = buffer;
    return compiled != 0;
}

} // namespace

// Drawn by the context and widened into triangles, as here: every pixel.
// Covered by the fragment shader, as where the rasteriser snaps more
// coarsely than the desktop's: its float arithmetic may judge a pixel centre
// within a hair of an edge otherwise, a pixel in a thousand of those drawn at
// most.
TEST(GlesLayer, WideLinesCoverWhatTheDesktopCovers) {
    TwoContexts& c = Contexts();
    const std::vector<TestLine> lines = LinesAround();
    for (LineDrawing way : {LineDrawing::Context, LineDrawing::Triangles, LineDrawing::Shader})
        for (float width : {1.0f, 2.0f, 4.0f})
            for (int scale : {1, 2})
                for (double angle : {0.0, 33.3}) {
                    const int w = kWidth / scale, h = kHeight / scale;
                    c.UseDesktop();
                    DrawLinesDesktop(lines, width, w, h, angle);
                    const std::vector<unsigned char> desktop = c.Read();
                    c.UseGles();
                    DrawLinesBy(way);
                    DrawLinesLayer(lines, width, w, h, angle);
                    const std::vector<unsigned char> layer = c.Read();
                    const int lit = LitPixels(desktop);
                    const bool inShader = way == LineDrawing::Shader;
                    EXPECT_GT(lit, w * h / 20) << "nothing much drawn";
                    EXPECT_LE(DifferingPixels(desktop, layer), inShader ? lit / 1000 : 0)
                        << "way " << int(way) << ", width " << width << ", viewport " << w << "x"
                        << h << ", angle " << angle;
                }
    DrawLinesBy(LineDrawing::Context);
}

TEST(GlesLayer, SpritesOfEverySizeAndDistanceMatchTheDesktops) {
    TwoContexts& c = Contexts();
    std::mt19937 random(11);
    std::uniform_real_distribution<float> place(-12.0f, 12.0f), size(1.0f, 4000.0f),
        tint(0.05f, 0.6f);
    std::vector<TestSprite> sprites(400);
    for (TestSprite& s : sprites)
        s = {{place(random), place(random), place(random), size(random)},
             {tint(random), tint(random), tint(random), 1.0f}};
    c.UseDesktop();
    DrawSpritesDesktop(sprites, kWidth, kHeight);
    const std::vector<unsigned char> desktop = c.Read();
    c.UseGles();
    DrawSpritesLayer(sprites, kWidth, kHeight);
    EXPECT_GT(LitPixels(desktop), kWidth * kHeight / 20) << "nothing much drawn";
    EXPECT_EQ(DifferingPixels(desktop, c.Read()), 0);
}

TEST(GlesLayer, TheShippedProgramsCompileAndLinkThroughTheLayer) {
    Contexts().UseGles();
    for (const char* pair : {"ps", "rb", "ri"}) {
        const GLuint program = glCreateProgram();
        for (GLenum stage : {GL_VERTEX_SHADER, GL_FRAGMENT_SHADER}) {
            const std::string path =
                std::string("./resource/") + pair + (stage == GL_VERTEX_SHADER ? ".ves" : ".pis");
            std::string log;
            EXPECT_TRUE(CompileThroughLayer(stage, ReadText(path), log, program))
                << path << ": " << log;
        }
        zgl_LinkProgram(program);
        GLint linked = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        EXPECT_TRUE(linked) << pair;
    }
}

// A program of the production's kind may use any built-in of the offered
// subset: texture coordinates and the colour handed on as the desktop's
// varyings, the fixed-function transform.
TEST(GlesLayer, AProgramOfTheOfferedBuiltInsDrawsAsOnTheDesktop) {
    const char* const vertex = "#version 120\n"
                               "void main() {\n"
                               "    gl_TexCoord[0] = gl_MultiTexCoord0;\n"
                               "    gl_FrontColor = gl_Color;\n"
                               "    gl_Position = ftransform();\n"
                               "}\n";
    const char* const fragment =
        "#version 120\n"
        "uniform sampler2D sprite;\n"
        "void main() {\n"
        "    gl_FragColor = texture2D(sprite, gl_TexCoord[0].xy) * gl_Color;\n"
        "}\n";
    TwoContexts& c = Contexts();
    c.UseDesktop();
    DrawProgramQuadDesktop(vertex, fragment, kWidth, kHeight);
    const std::vector<unsigned char> desktop = c.Read();
    c.UseGles();
    DrawProgramQuadLayer(vertex, fragment, kWidth, kHeight);
    EXPECT_GT(LitPixels(desktop), kWidth * kHeight / 10) << "nothing much drawn";
    EXPECT_EQ(DifferingPixels(desktop, c.Read()), 0);
}

TEST(GlesLayer, ABuiltInTheLayerDoesNotOfferIsNamedAndFailsTheCompile) {
    const std::string fog = "#version 120\n"
                            "void main() { gl_FragColor = vec4(gl_FogFragCoord); }\n";
    const RewrittenShader r = RewriteShader(fog, false);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("gl_FogFragCoord"), std::string::npos) << r.error;

    Contexts().UseGles();
    std::string log;
    EXPECT_FALSE(CompileThroughLayer(GL_FRAGMENT_SHADER, fog, log));
    EXPECT_NE(log.find("gl_FogFragCoord"), std::string::npos) << log;
}
