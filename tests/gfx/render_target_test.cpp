#include "gfx/render_target.h"

#include "tests/support/gl_fixture.h"

#include <cstdio>

namespace {

using RenderTargetTest = GlTest;

GLint TextureLevelValue(GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
    return value;
}

// ---- Creation ------------------------------------------------------------------

TEST_F(RenderTargetTest, CreateMakesACompleteTargetOfTheGivenSize) {
    RenderTarget target{};
    bool created = false;
    const std::string printed = CapturePrinted([&] { created = target.Create(200, 100); });

    ASSERT_TRUE(created);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(GetInteger(GL_DRAW_FRAMEBUFFER_BINDING), 0) << "the window is bound again";
    glBindTexture(GL_TEXTURE_2D, target.colorTexture);
    EXPECT_EQ(TextureLevelValue(GL_TEXTURE_WIDTH), 200);
    EXPECT_EQ(TextureLevelValue(GL_TEXTURE_HEIGHT), 100);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER, target.framebuffer);
    GLint depthObject = 0;
    glGetFramebufferAttachmentParameterivEXT(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT_EXT,
                                             GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME_EXT,
                                             &depthObject);
    EXPECT_EQ(GLuint(depthObject), target.depthBuffer);
    EXPECT_EQ(glCheckFramebufferStatusEXT(GL_DRAW_FRAMEBUFFER),
              GLenum(GL_FRAMEBUFFER_COMPLETE_EXT));
    glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER, 0);
}

// The statuses llvmpipe never reports come from a stand-in for the query.
GLenum fakeStatus = 0;

GLenum FakeStatus(GLenum) {
    return fakeStatus;
}

struct StatusCase {
    GLenum status;
    const char* printed;
};

class StatusTextTest : public GlTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusTextTest, PrintsTheTextWithoutLineEndAndPassesOnlyComplete) {
    fakeStatus = GetParam().status;
    GlStandIn<PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC> status(__glewCheckFramebufferStatusEXT,
                                                         FakeStatus);
    RenderTarget target{};
    bool complete = false;
    // The next output continues the same line.
    const std::string printed = CapturePrinted([&] {
        complete = target.CheckStatus();
        std::printf("next");
    });
    EXPECT_EQ(printed, std::string(GetParam().printed) + "next");
    EXPECT_EQ(complete, GetParam().status == GL_FRAMEBUFFER_COMPLETE_EXT);
}

INSTANTIATE_TEST_SUITE_P(EveryStatus, StatusTextTest,
                         ::testing::Values(StatusCase{GL_FRAMEBUFFER_COMPLETE_EXT, ""},
                                           StatusCase{GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT,
                                                      "GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT"},
                                           StatusCase{
                                               GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT,
                                               "GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT"},
                                           StatusCase{0x8CD8, ""},
                                           StatusCase{GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT,
                                                      "GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT"},
                                           StatusCase{GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT,
                                                      "GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT"},
                                           StatusCase{GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT,
                                                      "GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT"},
                                           StatusCase{GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT,
                                                      "GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT"},
                                           StatusCase{GL_FRAMEBUFFER_UNSUPPORTED_EXT, ""},
                                           StatusCase{0, ""}, StatusCase{0x1234, ""}));

TEST_F(RenderTargetTest, UnsupportedFramebufferFailsCreateSilently) {
    fakeStatus = GL_FRAMEBUFFER_UNSUPPORTED_EXT;
    GlStandIn<PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC> status(__glewCheckFramebufferStatusEXT,
                                                         FakeStatus);
    RenderTarget target{};
    bool created = true;
    EXPECT_EQ(CapturePrinted([&] { created = target.Create(64, 32); }), "");
    EXPECT_FALSE(created);
    glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER, 0);
}

// ---- Binding -------------------------------------------------------------------

class BoundTargetTest : public GlTest {
  protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(target.Create(128, 64));
    }
    RenderTarget target{};
};

TEST_F(BoundTargetTest, BindUsesOnlyTheDrawFramebufferAndUnbindRestoresTheViewport) {
    // A letterbox-like viewport, of another size than the target.
    glViewport(10, 20, 300, 150);
    target.Bind();
    EXPECT_EQ(GLuint(GetInteger(GL_DRAW_FRAMEBUFFER_BINDING)), target.framebuffer);
    EXPECT_EQ(GetInteger(GL_READ_FRAMEBUFFER_BINDING), 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 128);
    EXPECT_EQ(viewport[3], 64);

    target.Unbind();
    EXPECT_EQ(GetInteger(GL_DRAW_FRAMEBUFFER_BINDING), 0);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 10);
    EXPECT_EQ(viewport[1], 20);
    EXPECT_EQ(viewport[2], 300);
    EXPECT_EQ(viewport[3], 150);
}

void FillRect(float x0, float y0, float x1, float y1, float r, float g, float b) {
    glColor3f(r, g, b);
    glRectf(x0, y0, x1, y1);
}

// Four quadrants drawn into the target come back in the same places over a
// window viewport of another size: upright, stretched over the viewport.
TEST_F(BoundTargetTest, ScreenQuadShowsTheTargetUprightOverTheViewport) {
    target.Bind();
    FillRect(-1, -1, 0, 0, 1, 0, 0); // lower left red
    FillRect(0, -1, 1, 0, 0, 1, 0);  // lower right green
    FillRect(-1, 0, 0, 1, 0, 0, 1);  // upper left blue
    FillRect(0, 0, 1, 1, 1, 1, 1);   // upper right white
    target.Unbind();

    glViewport(20, 10, 200, 160);
    target.BindTexture(GL_TEXTURE0);
    DrawScreenQuad();
    target.UnbindTexture();

    const Rgba lowerLeft = ReadPixel(25, 15);
    const Rgba lowerRight = ReadPixel(215, 15);
    const Rgba upperLeft = ReadPixel(25, 165);
    const Rgba upperRight = ReadPixel(215, 165);
    EXPECT_EQ(lowerLeft.r, 255);
    EXPECT_EQ(lowerLeft.g, 0);
    EXPECT_EQ(lowerRight.g, 255);
    EXPECT_EQ(lowerRight.r, 0);
    EXPECT_EQ(upperLeft.b, 255);
    EXPECT_EQ(upperLeft.r, 0);
    EXPECT_EQ(upperRight.r + upperRight.g + upperRight.b, 3 * 255);
    // Outside the viewport nothing is drawn.
    EXPECT_EQ(ReadPixel(5, 5).r, 0);
    EXPECT_EQ(ReadPixel(230, 175).g, 0);
}

} // namespace
