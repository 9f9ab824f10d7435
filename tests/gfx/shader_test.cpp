#include "gfx/render_target.h"
#include "gfx/shader.h"

#include "tests/gfx/gl_test.h"

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

// ---- Loading a program ----------------------------------------------------

// An empty name skips its stage; what was attached is linked and drawn.
TEST_F(ShaderTest, NamedStagesAreLoadedLinkedAndDrawn) {
    const std::string vs = ScratchFile("pair.ves", kVertex);
    const std::string fs = ScratchFile("pair.pis", kGreen);
    Shader pair{};
    bool loaded = false;
    std::string printed = CapturePrinted([&] { loaded = pair.Load(vs, "", fs); });
    EXPECT_TRUE(loaded);
    EXPECT_EQ(printed, "Shader::Load " + vs + "\nShader::Load " + fs + "\n");
    EXPECT_EQ(pair.geometryShader, 0u);
    EXPECT_EQ(AttachedShaders(pair.program), 2) << "stages stay attached after linking";
    const Rgba pixel = DrawnThrough(pair);
    EXPECT_EQ(pixel.g, 255);
    EXPECT_EQ(pixel.r, 0);

    Shader fragmentOnly{};
    printed = CapturePrinted([&] { loaded = fragmentOnly.Load("", "", fs); });
    EXPECT_TRUE(loaded);
    EXPECT_EQ(printed, "Shader::Load " + fs + "\n");
    EXPECT_EQ(fragmentOnly.vertexShader, 0u);
    EXPECT_EQ(DrawnThrough(fragmentOnly).g, 255);
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
    Shader shader{};
    bool loaded = false;
    const std::string printed = CapturePrinted([&] { loaded = shader.Load(vs, "", fs); });

    EXPECT_TRUE(loaded);
    EXPECT_EQ(printed, "Shader::Load " + vs + "\nShader::Load " + fs + "\n");
    EXPECT_EQ(DrawnThrough(shader).g, 255);
}

// ---- The failure table -------------------------------------------------------

TEST_F(ShaderTest, NoProgramObjectFailsSilently) {
    GlStandIn<PFNGLCREATEPROGRAMPROC> noProgram(__glewCreateProgram, []() -> GLuint { return 0; });
    const std::string vs = ScratchFile("unused.ves", kVertex);
    Shader shader{};
    bool loaded = true;
    const std::string printed = CapturePrinted([&] { loaded = shader.Load(vs, "", vs); });

    EXPECT_FALSE(loaded);
    EXPECT_EQ(printed, "");
}

TEST_F(ShaderTest, UnreadableStageFilesFailAfterTheirLineOnly) {
    const std::string vs = ScratchFile("kept.ves", kVertex);
    const std::string empty = ScratchFile("empty.pis", "");
    const std::string missing = ScratchPath("missing.pis");
    const std::string directory = ScratchPath("");
    for (const std::string& fs : {missing, empty, directory}) {
        SCOPED_TRACE(fs);
        Shader shader{};
        bool loaded = true;
        const std::string printed = CapturePrinted([&] { loaded = shader.Load(vs, "", fs); });

        EXPECT_FALSE(loaded);
        EXPECT_EQ(printed, "Shader::Load " + vs + "\nShader::Load " + fs + "\n");
        // The program stays, with the stage that compiled before still attached.
        EXPECT_TRUE(glIsProgram(shader.program));
        EXPECT_EQ(AttachedShaders(shader.program), 1);
        EXPECT_EQ(shader.fragmentShader, 0u);
    }
}

TEST_F(ShaderTest, CompileErrorPrintsTheStageLogAndStopsLoading) {
    const std::string vs = ScratchFile("broken.ves", "#version 120\nvoid main() { nonsense; }\n");
    const std::string fs = ScratchFile("never.pis", kGreen);
    Shader shader{};
    bool loaded = true;
    const std::string printed = CapturePrinted([&] { loaded = shader.Load(vs, "", fs); });

    EXPECT_FALSE(loaded);
    const std::string head = "Shader::Load " + vs + "\n" + vs + " VERTEX shader :\n";
    ASSERT_EQ(printed.substr(0, head.size()), head);
    EXPECT_NE(printed.find("nonsense"), std::string::npos);
    EXPECT_EQ(printed.find(fs), std::string::npos) << "the fragment stage was not loaded";
    EXPECT_FALSE(glIsShader(shader.vertexShader)) << "the failed stage is deleted";
    EXPECT_EQ(AttachedShaders(shader.program), 0);
}

TEST_F(ShaderTest, EachStageLogNamesItsStage) {
    const std::string vs = ScratchFile("ok.ves", kVertex);
    const std::string gs = ScratchFile("broken.ges", "#version 150\nvoid main() { nonsense; }\n");
    const std::string fs = ScratchFile("broken.pis", kBroken);
    Shader withGeometry{};
    const std::string geometryPrinted =
        CapturePrinted([&] { EXPECT_FALSE(withGeometry.Load(vs, gs, fs)); });
    EXPECT_NE(geometryPrinted.find(gs + " GEOMETRY shader :\n"), std::string::npos);
    EXPECT_EQ(geometryPrinted.find(fs), std::string::npos);

    Shader withoutGeometry{};
    const std::string fragmentPrinted =
        CapturePrinted([&] { EXPECT_FALSE(withoutGeometry.Load(vs, "", fs)); });
    EXPECT_NE(fragmentPrinted.find(fs + " FRAGMENT shader :\n"), std::string::npos);
}

TEST_F(ShaderTest, LinkErrorPrintsTheProgramLogAndDeletesTheProgram) {
    const std::string vs = ScratchFile("linked.ves", kVertex);
    const std::string fs = ScratchFile("nomain.pis", "#version 120\nvoid helper() {}\n");
    Shader shader{};
    bool loaded = true;
    const std::string printed = CapturePrinted([&] { loaded = shader.Load(vs, "", fs); });

    EXPECT_FALSE(loaded);
    const std::string head = "Shader::Load " + vs + "\nShader::Load " + fs + "\nLINK : ";
    ASSERT_EQ(printed.substr(0, head.size()), head);
    EXPECT_NE(printed.find("main"), std::string::npos);
    EXPECT_FALSE(glIsProgram(shader.program));
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
    Shader shader{};
    bool loaded = true;
    const std::string printed = CapturePrinted([&] { loaded = shader.Load(vs, "", fs); });

    EXPECT_FALSE(loaded);
    EXPECT_EQ(printed, "Shader::Load " + vs + "\nShader::Load " + fs + "\nLINK : \n");
}

// ---- Compile logs ------------------------------------------------------------

TEST_F(ShaderTest, WarningsArePrintedAndTheProgramStillLoads) {
    const std::string vs = ScratchFile("warn.ves", kVertex);
    const std::string fs = ScratchFile("warn.pis", "#version 120\n"
                                                   "#extension GL_ZF_not_an_extension : warn\n"
                                                   "void main() { gl_FragColor = vec4(1.0); }\n");
    Shader shader{};
    bool loaded = false;
    const std::string printed = CapturePrinted([&] { loaded = shader.Load(vs, "", fs); });

    EXPECT_TRUE(loaded);
    const std::string head = "Shader::Load " + vs + "\nShader::Load " + fs + "\n" + fs +
                             " FRAGMENT shader :\n";
    ASSERT_EQ(printed.substr(0, head.size()), head);
    EXPECT_NE(printed.find("GL_ZF_not_an_extension"), std::string::npos);
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
              "Shader::Load " + vs + "\n");
    fakeLogLength = 2;
    EXPECT_EQ(CapturePrinted([&] { EXPECT_TRUE(CompileStage(vs, GL_VERTEX_SHADER, object)); }),
              "Shader::Load " + vs + "\n" + vs + " VERTEX shader :\nW\n");
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
