#include "tests/support/gl_fixture.h"

#include "platform/headless_gl.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// One directory per process, removed when the process ends.
struct ScratchDirectory {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zentrafel_gfx_test_" + std::to_string(getpid()));
    ScratchDirectory() { std::filesystem::create_directories(path); }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::filesystem::path& Scratch() {
    static const ScratchDirectory dir;
    return dir.path;
}

} // namespace

// Made on first use and kept until the process ends: every test of the
// executable shares it, as every step of the production shares its window.
bool TestGlReady(int width, int height) {
    static HeadlessGl* const context = new HeadlessGl;
    static const bool ready = [&] {
    // Mesa serves a shader it has compiled before from its disk cache
    // and then gives no info log: the tests must see every log. (Under
    // wine the driver reads the Unix environment, which the test preset
    // sets.)
#ifdef _WIN32
        _putenv_s("MESA_SHADER_CACHE_DISABLE", "true");
#else
        setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
#endif
        return context->Create(width, height);
    }();
    return ready;
}

void GlTest::SetUpTestSuite() {
    if (!TestGlReady(kWindowWidth, kWindowHeight))
        std::abort();
}

void GlTest::SetUp() {
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glViewport(0, 0, kWindowWidth, kWindowHeight);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
}

void GlTest::TearDown() {
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

Rgba ReadPixel(int x, int y) {
    unsigned char p[4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2], p[3]};
}

std::string CapturePrinted(const std::function<void()>& call) {
    std::fflush(stdout);
    testing::internal::CaptureStdout();
    call();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

std::string ScratchPath(const std::string& name) {
    return (Scratch() / name).string();
}

std::string ScratchFile(const std::string& name, const std::string& bytes) {
    const std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

GLint GetInteger(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

bool IsIdentity(GLenum matrix) {
    GLfloat m[16];
    glGetFloatv(matrix, m);
    for (int i = 0; i < 16; ++i)
        if (m[i] != (i % 5 == 0 ? 1.0f : 0.0f))
            return false;
    return true;
}
