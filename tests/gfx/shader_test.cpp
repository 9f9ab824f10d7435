#include "gfx/render_target.h"
#include "gfx/shader.h"

#include "tests/support/gl_fixture.h"

#include <initializer_list>

namespace {

const char* const kVertex = "#version 120\n"
                            "void main() { gl_Position = ftransform(); }\n";
const char* const kGreen = "#version 120\n"
                           "void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); }\n";
const char* const kBroken = "#version 120\n"
                            "void main() { gl_FragColor = undeclared; }\n";

using ShaderTest = GlTest;

Rgba DrawnThrough(Shader& shader) {
    glClear(GL_COLOR_BUFFER_BIT);
    shader.Bind();
    DrawScreenQuad();
    shader.Unbind();
    return ReadPixel(kWindowWidth / 2, kWindowHeight / 2);
}

GLint AttachedShaders(GLuint program) {
    GLint count = 0;
    glGetProgramiv(program, GL_ATTACHED_SHADERS, &count);
    return count;
}

struct LoadResult {
    Shader shader{};
    bool loaded = false;
    std::string printed;
};

LoadResult LoadShader(const std::string& vs, const std::string& gs, const std::string& fs) {
    LoadResult result;
    result.printed = CapturePrinted([&] { result.loaded = result.shader.Load(vs, gs, fs); });
    return result;
}

// The "Shader::Load" line of each file, in order.
std::string LoadLines(std::initializer_list<std::string> files) {
    std::string lines;
    for (const std::string& file : files)
        lines += "Shader::Load " + file + "\n";
    return lines;
}

// ---- Loading a program ----------------------------------------------------

// An empty name skips its stage; what was attached is linked and drawn.
TEST_F(ShaderTest, NamedStagesAreLoadedLinkedAndDrawn) {
    const std::string vs = ScratchFile("pair.ves", kVertex);
    const std::string fs = ScratchFile("pair.pis", kGreen);
    LoadResult pair = LoadShader(vs, "", fs);
    EXPECT_TRUE(pair.loaded);
    EXPECT_EQ(pair.printed, LoadLines({vs, fs}));
    EXPECT_EQ(AttachedShaders(pair.shader.program), 2) << "stages stay attached after linking";
    const Rgba pixel = DrawnThrough(pair.shader);
    EXPECT_EQ(pixel.g, 255);
    EXPECT_EQ(pixel.r, 0);

    LoadResult fragmentOnly = LoadShader("", "", fs);
    EXPECT_TRUE(fragmentOnly.loaded);
    EXPECT_EQ(fragmentOnly.printed, LoadLines({fs}));
    EXPECT_EQ(fragmentOnly.shader.vertexShader, 0u);
    EXPECT_EQ(DrawnThrough(fragmentOnly.shader).g, 255);
}

TEST_F(ShaderTest, CrLfSourcesCompileLikeLfSources) {
    const std::string vs = ScratchFile("crlf.ves", "#version 120\r\n"
                                                   "void main()\r\n"
                                                   "{\r\n"
                                                   "  gl_Position = ftransform();\r\n"
                                                   "}\r\n");
    // A macro body is where a stray CR would end up inside an expression.
    const std::string fs = ScratchFile("crlf.pis", "#version 120\r\n"
                                                   "#define GREEN vec4(0.0, 1.0, 0.0, 1.0)\r\n"
                                                   "void main() { gl_FragColor = GREEN; }\r\n");
    LoadResult crlf = LoadShader(vs, "", fs);
    EXPECT_TRUE(crlf.loaded);
    EXPECT_EQ(crlf.printed, LoadLines({vs, fs}));
    EXPECT_EQ(DrawnThrough(crlf.shader).g, 255);
}

// ---- The failure table -------------------------------------------------------

TEST_F(ShaderTest, NoProgramObjectFailsSilently) {
    GlStandIn<PFNGLCREATEPROGRAMPROC> noProgram(__glewCreateProgram, []() -> GLuint { return 0; });
    const std::string vs = ScratchFile("unused.ves", kVertex);
    const LoadResult result = LoadShader(vs, "", vs);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.printed, "");
}

TEST_F(ShaderTest, UnreadableStageFilesFailAfterTheirLineOnly) {
    const std::string vs = ScratchFile("kept.ves", kVertex);
    const std::string empty = ScratchFile("empty.pis", "");
    for (const std::string& fs : {ScratchPath("missing.pis"), empty, ScratchPath("")}) {
        SCOPED_TRACE(fs);
        const LoadResult result = LoadShader(vs, "", fs);
        EXPECT_FALSE(result.loaded);
        EXPECT_EQ(result.printed, LoadLines({vs, fs}));
        // The program stays, with the stage that compiled before still attached.
        EXPECT_TRUE(glIsProgram(result.shader.program));
        EXPECT_EQ(AttachedShaders(result.shader.program), 1);
    }
}

// The log follows the failed stage's line in that stage's format; the failed
// stage is deleted and no later stage is loaded.
TEST_F(ShaderTest, CompileErrorPrintsTheStageLogAndStopsLoading) {
    const std::string vs = ScratchFile("broken.ves", "#version 120\nvoid main() { nonsense; }\n");
    const std::string fs = ScratchFile("never.pis", kGreen);
    const LoadResult vertex = LoadShader(vs, "", fs);
    EXPECT_FALSE(vertex.loaded);
    const std::string head = LoadLines({vs}) + vs + " VERTEX shader :\n";
    ASSERT_EQ(vertex.printed.substr(0, head.size()), head);
    EXPECT_NE(vertex.printed.find("nonsense"), std::string::npos);
    EXPECT_EQ(vertex.printed.find(fs), std::string::npos);
    EXPECT_FALSE(glIsShader(vertex.shader.vertexShader));
    EXPECT_EQ(AttachedShaders(vertex.shader.program), 0);

    const std::string ok = ScratchFile("ok.ves", kVertex);
    const std::string gs = ScratchFile("broken.ges", "#version 150\nvoid main() { nonsense; }\n");
    const std::string brokenFs = ScratchFile("broken.pis", kBroken);
    const LoadResult geometry = LoadShader(ok, gs, brokenFs);
    EXPECT_NE(geometry.printed.find(gs + " GEOMETRY shader :\n"), std::string::npos);
    EXPECT_EQ(geometry.printed.find(brokenFs), std::string::npos);
    const LoadResult fragment = LoadShader(ok, "", brokenFs);
    EXPECT_NE(fragment.printed.find(brokenFs + " FRAGMENT shader :\n"), std::string::npos);
}

TEST_F(ShaderTest, LinkErrorPrintsTheProgramLogAndDeletesTheProgram) {
    const std::string vs = ScratchFile("linked.ves", kVertex);
    const std::string fs = ScratchFile("nomain.pis", "#version 120\nvoid helper() {}\n");
    const LoadResult result = LoadShader(vs, "", fs);
    EXPECT_FALSE(result.loaded);
    const std::string head = LoadLines({vs, fs}) + "LINK : ";
    ASSERT_EQ(result.printed.substr(0, head.size()), head);
    EXPECT_NE(result.printed.find("main"), std::string::npos);
    EXPECT_FALSE(glIsProgram(result.shader.program));
}

GLint fakeLogLength = 0;
PFNGLGETPROGRAMIVPROC realGetProgramiv = nullptr;
PFNGLGETSHADERIVPROC realGetShaderiv = nullptr;

void GetProgramivFailedLink(GLuint program, GLenum name, GLint* value) {
    if (name == GL_LINK_STATUS)
        *value = 0;
    else if (name == GL_INFO_LOG_LENGTH)
        *value = fakeLogLength;
    else
        realGetProgramiv(program, name, value);
}

TEST_F(ShaderTest, LinkFailureWithAnEmptyLogIsStillAFailure) {
    const std::string vs = ScratchFile("quiet.ves", kVertex);
    const std::string fs = ScratchFile("quiet.pis", kGreen);
    realGetProgramiv = __glewGetProgramiv;
    fakeLogLength = 0;
    GlStandIn<PFNGLGETPROGRAMIVPROC> quietFailure(__glewGetProgramiv, GetProgramivFailedLink);
    const LoadResult result = LoadShader(vs, "", fs);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.printed, LoadLines({vs, fs}) + "LINK : \n");
}

// ---- Compile logs ------------------------------------------------------------

TEST_F(ShaderTest, WarningsArePrintedAndTheProgramStillLoads) {
    const std::string vs = ScratchFile("warn.ves", kVertex);
    const std::string fs = ScratchFile("warn.pis", "#version 120\n"
                                                   "#extension GL_ZF_not_an_extension : warn\n"
                                                   "void main() { gl_FragColor = vec4(1.0); }\n");
    const LoadResult result = LoadShader(vs, "", fs);
    EXPECT_TRUE(result.loaded);
    const std::string head = LoadLines({vs, fs}) + fs + " FRAGMENT shader :\n";
    ASSERT_EQ(result.printed.substr(0, head.size()), head);
    EXPECT_NE(result.printed.find("GL_ZF_not_an_extension"), std::string::npos);
}

void GetShaderivFakeLength(GLuint shader, GLenum name, GLint* value) {
    if (name == GL_INFO_LOG_LENGTH)
        *value = fakeLogLength;
    else
        realGetShaderiv(shader, name, value);
}

void GetShaderInfoLogFake(GLuint, GLsizei size, GLsizei*, GLchar* log) {
    for (GLsizei i = 0; i + 1 < size; ++i)
        log[i] = 'W';
    log[size - 1] = '\0';
}

TEST_F(ShaderTest, ALogHoldingOnlyItsNulIsNotPrinted) {
    const std::string vs = ScratchFile("nul.ves", kVertex);
    realGetShaderiv = __glewGetShaderiv;
    GlStandIn<PFNGLGETSHADERIVPROC> length(__glewGetShaderiv, GetShaderivFakeLength);
    GlStandIn<PFNGLGETSHADERINFOLOGPROC> log(__glewGetShaderInfoLog, GetShaderInfoLogFake);
    GLuint object = 0;

    fakeLogLength = 1;
    EXPECT_EQ(CapturePrinted([&] { EXPECT_TRUE(CompileStage(vs, GL_VERTEX_SHADER, object)); }),
              LoadLines({vs}));
    fakeLogLength = 2;
    EXPECT_EQ(CapturePrinted([&] { EXPECT_TRUE(CompileStage(vs, GL_VERTEX_SHADER, object)); }),
              LoadLines({vs}) + vs + " VERTEX shader :\nW\n");
}

// ---- Uniforms ------------------------------------------------------------------

const char* const kUniformSource = "#version 120\n"
                                   "uniform int i;\n"
                                   "uniform float f;\n"
                                   "uniform vec2 v2;\n"
                                   "uniform vec4 v4;\n"
                                   "uniform float unused;\n"
                                   "void main() { gl_FragColor = v4 + vec4(v2, f, float(i)); }\n";

class UniformTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        const std::string fs = ScratchFile("uniforms.pis", kUniformSource);
        CapturePrinted([&] { ASSERT_TRUE(shader.Load("", "", fs)); });
        shader.Bind();
    }
    void TearDown() override {
        shader.Unbind();
        GlTest::TearDown();
    }
    float Float(const char* name, int component) {
        GLfloat values[4] = {};
        glGetUniformfv(shader.program, glGetUniformLocation(shader.program, name), values);
        return values[component];
    }
    Shader shader{};
};

// A missing or inactive uniform is reported on every call, as every frame
// sets it again; the others are set all the same.
TEST_F(UniformTest, MissingUniformIsReportedOnEveryCallWhileOthersAreSet) {
    const std::string printed = CapturePrinted([&] {
        for (int frame = 0; frame < 2; ++frame) {
            shader.SetUniform2f("o", 0.5f, 0.5f);
            shader.SetUniform1i("i", -7 + frame);
            shader.SetUniform1f("f", 2.0f + float(frame));
            shader.SetUniform2f("v2", 1.5f, -2.5f);
            shader.SetUniform4f("v4", 1, 2, 3, 4);
            shader.SetUniform1f("unused", 1.0f);
        }
    });
    EXPECT_EQ(printed, "Uniform o not found!\nUniform unused not found!\n"
                       "Uniform o not found!\nUniform unused not found!\n");
    GLint i = 0;
    glGetUniformiv(shader.program, glGetUniformLocation(shader.program, "i"), &i);
    EXPECT_EQ(i, -6);
    EXPECT_EQ(Float("f", 0), 3.0f);
    EXPECT_EQ(Float("v2", 1), -2.5f);
    EXPECT_EQ(Float("v4", 3), 4.0f);
}

} // namespace
