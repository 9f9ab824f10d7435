#include "gfx/image_bounds.h"
#include "gfx/render_target.h"
#include "gfx/texture.h"

#include "tests/support/gl_fixture.h"
#include "tests/support/png_files.h"

#include <vector>

namespace {

// ---- The content box -------------------------------------------------------------

std::vector<unsigned char> Transparent(int width, int height) {
    return std::vector<unsigned char>(size_t(width) * height * 4, 0);
}

void SetTexel(std::vector<unsigned char>& rgba, int width, int x, int y, int channel,
              unsigned char value) {
    rgba[(size_t(y) * width + x) * 4 + channel] = value;
}

TEST(ImageContentBox, TransparentBlackImageHasNoBox) {
    std::vector<unsigned char> rgba = Transparent(64, 32);
    EXPECT_TRUE(ImageContentBox(rgba.data(), 64, 32, 640, 360).Empty());
    EXPECT_EQ(QuadScissor({}, 0, 0, 640, 360).width, 0) << "nothing to draw";
}

TEST(ImageContentBox, AnyNonZeroByteCountsAndTheBoxIsWidenedOnlyNearIt) {
    // One texel with only alpha (a premultiplied shadow), one with only blue.
    for (int channel : {3, 2}) {
        std::vector<unsigned char> rgba = Transparent(256, 128);
        SetTexel(rgba, 256, 200, 100, channel, 1);
        const TexBox box = ImageContentBox(rgba.data(), 256, 128, 256, 128);
        ASSERT_FALSE(box.Empty()) << "channel " << channel;
        // Level 0 and 1 are read, level 2 in the margin: blocks of 4 texels,
        // one block of reach on each side.
        EXPECT_FLOAT_EQ(box.s0, 196.0f / 256);
        EXPECT_FLOAT_EQ(box.s1, 208.0f / 256);
        EXPECT_FLOAT_EQ(box.t0, 96.0f / 128);
        EXPECT_FLOAT_EQ(box.t1, 108.0f / 128);
    }
}

TEST(ImageContentBox, SmallerQuadsReadCoarserLevelsAndWidenMore) {
    std::vector<unsigned char> rgba = Transparent(1024, 128);
    SetTexel(rgba, 1024, 600, 64, 0, 255);
    // The greeting strips: 1024 x 128 over 0.375 x 0.09375 of 640 x 360.
    EXPECT_EQ(CoarsestMipLevel(1024, 128, 240.0f, 33.75f), 4);
    EXPECT_EQ(CoarsestMipLevel(1024, 128, 1024.0f, 128.0f), 2);
    EXPECT_EQ(CoarsestMipLevel(1024, 128, 4096.0f, 512.0f), 2) << "magnified";
    EXPECT_EQ(CoarsestMipLevel(1024, 128, 1.0f, 1.0f), 10) << "clamped to the last level";
    const TexBox near = ImageContentBox(rgba.data(), 1024, 128, 1024.0f, 128.0f);
    const TexBox far = ImageContentBox(rgba.data(), 1024, 128, 240.0f, 33.75f);
    EXPECT_LT(far.s0, near.s0);
    EXPECT_GT(far.s1, near.s1);
    EXPECT_FLOAT_EQ(far.s0, 576.0f / 1024) << "16-texel blocks";
    // At level 10 the strip is 1 x 1 texel: every pixel can see it.
    const TexBox whole = ImageContentBox(rgba.data(), 1024, 128, 1.0f, 1.0f);
    EXPECT_EQ(whole.s0, 0.0f);
    EXPECT_EQ(whole.t1, 1.0f);
}

TEST(QuadScissor, MapsTheBoxThroughTheViewportAndTheScale) {
    const TexBox box{0.5f, 0.25f, 0.75f, 0.5f};
    // 640 x 360 viewport at (10, 20): s 0.5..0.75 is x 330..490.
    ScissorRect r = QuadScissor(box, 10, 20, 640, 360);
    EXPECT_EQ(r.x, 329);
    EXPECT_EQ(r.width, 162);
    EXPECT_EQ(r.y, 20 + 90 - 1);
    EXPECT_EQ(r.height, 92);
    // Scaled by a half about the centre (330, 200): x 330..410.
    r = QuadScissor(box, 10, 20, 640, 360, 0.5f, 0.5f);
    EXPECT_EQ(r.x, 329);
    EXPECT_EQ(r.x + r.width, 411);
    // Never outside the viewport.
    r = QuadScissor({0.0f, 0.0f, 1.0f, 1.0f}, 3, 5, 333, 187);
    EXPECT_EQ(r.x, 3);
    EXPECT_EQ(r.y, 5);
    EXPECT_EQ(r.width, 333);
    EXPECT_EQ(r.height, 187);
}

// ---- Drawn: the scissored quad against the whole one --------------------------------

using ImageBoundsGlTest = GlTest;

// 1024 x 512, top row first: a ring of opaque and half-transparent colour in
// the top right corner, sharp-edged so that every mip level carries it out.
std::string CornerImage() {
    std::vector<unsigned char> pixels(1024 * 512 * 4, 0);
    for (int y = 20; y < 90; ++y)
        for (int x = 880; x < 1000; ++x) {
            const int dx = x - 940, dy = y - 55;
            if (dx * dx + dy * dy > 34 * 34 || dx * dx + dy * dy < 12 * 12)
                continue;
            unsigned char* p = &pixels[(size_t(y) * 1024 + x) * 4];
            p[0] = 255;
            p[1] = static_cast<unsigned char>(x * 7);
            p[2] = static_cast<unsigned char>(y * 3);
            p[3] = x % 3 ? 255 : 128;
        }
    return WritePng("corner.png", 1024, 512, 4, pixels);
}

struct Frame {
    int width, height;
    int vx, vy, vw, vh; // the letterboxed 16:9 viewport inside it
};

// A background that every blend changes differently: a colour gradient.
void DrawBackground() {
    glBegin(GL_QUADS);
    glColor4f(0.1f, 0.7f, 0.3f, 0.9f);
    glVertex2i(-1, -1);
    glColor4f(0.9f, 0.2f, 0.5f, 0.4f);
    glVertex2i(1, -1);
    glColor4f(0.3f, 0.3f, 0.9f, 1.0f);
    glVertex2i(1, 1);
    glColor4f(0.6f, 0.9f, 0.1f, 0.2f);
    glVertex2i(-1, 1);
    glEnd();
    glColor4f(1, 1, 1, 1);
}

enum class Blend { Title, Added };

// The image over the frame as the scenes draw it (the title's blend over the
// whole viewport, or an added strip scaled about the centre), optionally
// under a scissor; returns the frame's pixels.
std::vector<unsigned char> Draw(RenderTarget& target, const Frame& f, Texture& image, Blend blend,
                                const ScissorRect* scissor) {
    target.Bind();
    glViewport(0, 0, f.width, f.height);
    DrawBackground();
    glViewport(f.vx, f.vy, f.vw, f.vh);
    if (scissor) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(scissor->x, scissor->y, scissor->width, scissor->height);
    }
    image.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    if (blend == Blend::Title) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glBlendFunc(GL_ONE, GL_ONE);
        glScalef(0.375f, 0.09375f, 1.0f);
        glColor3f(0.8f, 0.8f, 0.8f);
    }
    DrawTexturedQuad();
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
    glDisable(GL_BLEND);
    image.Unbind();
    glDisable(GL_SCISSOR_TEST);
    // The target binds itself for drawing only.
    std::vector<unsigned char> pixels(size_t(f.width) * f.height * 4);
    glBindFramebufferEXT(GL_READ_FRAMEBUFFER, target.framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, f.width, f.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindFramebufferEXT(GL_READ_FRAMEBUFFER, 0);
    target.Unbind();
    return pixels;
}

TEST_F(ImageBoundsGlTest, ScissoredQuadGivesTheSamePixelsAsTheWholeQuad) {
    Texture image{};
    CapturePrinted([&] { image.Load(CornerImage()); });
    ASSERT_NE(image.id, 0u);
    // 640 x 360 whole, and an odd size letterboxed as a window shows it.
    for (const Frame f : {Frame{640, 360, 0, 0, 640, 360}, Frame{333, 197, 0, 4, 333, 189}}) {
        RenderTarget target{};
        ASSERT_TRUE(target.Create(f.width, f.height));
        for (Blend blend : {Blend::Title, Blend::Added}) {
            const float scaleX = blend == Blend::Added ? 0.375f : 1.0f;
            const float scaleY = blend == Blend::Added ? 0.09375f : 1.0f;
            const TexBox box = TextureContentBox(image.id, f.vw * scaleX, f.vh * scaleY);
            ASSERT_FALSE(box.Empty());
            // The ring lies in the right eighth and the top fifth (rows are
            // flipped); coarse levels widen the box, most for the small strip.
            EXPECT_GT(box.s0, 0.8f);
            EXPECT_GE(box.t0, 0.6f);
            const ScissorRect scissor = QuadScissor(box, f.vx, f.vy, f.vw, f.vh, scaleX, scaleY);
            EXPECT_LT(scissor.width * scissor.height, f.vw * f.vh / 20) << "the saving";

            const std::vector<unsigned char> whole = Draw(target, f, image, blend, nullptr);
            const std::vector<unsigned char> cut = Draw(target, f, image, blend, &scissor);
            EXPECT_TRUE(whole == cut)
                << f.width << "x" << f.height << " blend " << static_cast<int>(blend);

            // The comparison sees a scissor that is too tight: two pixels
            // narrower on each side than the ring's own texels.
            const TexBox ring{906.0f / 1024, 422.0f / 512, 975.0f / 1024, 491.0f / 512};
            ScissorRect inner = QuadScissor(ring, f.vx, f.vy, f.vw, f.vh, scaleX, scaleY);
            inner.x += 3;
            inner.width -= 6;
            EXPECT_FALSE(whole == Draw(target, f, image, blend, &inner));
        }
    }
    EXPECT_EQ(glIsEnabled(GL_SCISSOR_TEST), GL_FALSE);
}

} // namespace
