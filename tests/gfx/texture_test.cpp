#include "gfx/render_target.h"
#include "gfx/texture.h"

#include "tests/support/gl_fixture.h"
#include "tests/support/png_files.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

using TextureTest = GlTest;

GLint LevelValue(int level, GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

GLint TextureValue(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

// Every texel of one mip level, as RGBA bytes.
std::vector<unsigned char> LevelTexels(GLuint id, int level) {
    glBindTexture(GL_TEXTURE_2D, id);
    std::vector<unsigned char> texels(size_t(LevelValue(level, GL_TEXTURE_WIDTH)) *
                                      size_t(LevelValue(level, GL_TEXTURE_HEIGHT)) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return texels;
}

// One colour per quadrant, top row first: red, green over blue, white.
std::vector<unsigned char> Quadrants(int width, int height) {
    std::vector<unsigned char> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            const unsigned char r = (!bottom && !right) || (bottom && right) ? 255 : 0;
            const unsigned char g = (!bottom && right) || (bottom && right) ? 255 : 0;
            const unsigned char b = bottom ? 255 : 0;
            pixels.insert(pixels.end(), {r, g, b});
        }
    return pixels;
}

Texture Loaded(const std::string& path) {
    Texture texture{};
    CapturePrinted([&] { texture.Load(path); });
    return texture;
}

// ---- What a loaded texture looks like -------------------------------------------

TEST_F(TextureTest, OddSizedImageBecomesPowerOfTwoMipmappedAndClamped) {
    const std::string path = WritePng("quadrants.png", 300, 200, 3, Quadrants(300, 200));
    Texture texture{};
    const std::string printed = CapturePrinted([&] { texture.Load(path); });

    EXPECT_EQ(printed, "Texture::Load " + path + "\n");
    ASSERT_NE(texture.id, 0u);
    EXPECT_EQ(LevelValue(0, GL_TEXTURE_WIDTH), 512);
    EXPECT_EQ(LevelValue(0, GL_TEXTURE_HEIGHT), 256);
    EXPECT_EQ(LevelValue(9, GL_TEXTURE_WIDTH), 1) << "the mipmap chain runs down to 1 x 1";
    EXPECT_EQ(LevelValue(9, GL_TEXTURE_HEIGHT), 1);
    EXPECT_EQ(TextureValue(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(TextureValue(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(TextureValue(GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(TextureValue(GL_TEXTURE_WRAP_T), GL_CLAMP);
    glBindTexture(GL_TEXTURE_2D, 0);

    // Drawn over the whole viewport it fills it, upright.
    texture.Bind(GL_TEXTURE0);
    DrawScreenQuad();
    texture.Unbind();
    const Rgba upperLeft = ReadPixel(4, kWindowHeight - 4);
    const Rgba upperRight = ReadPixel(kWindowWidth - 4, kWindowHeight - 4);
    const Rgba lowerLeft = ReadPixel(4, 4);
    const Rgba lowerRight = ReadPixel(kWindowWidth - 4, 4);
    EXPECT_GT(upperLeft.r, 240);
    EXPECT_LT(upperLeft.b, 15);
    EXPECT_GT(upperRight.g, 240);
    EXPECT_LT(upperRight.r, 15);
    EXPECT_GT(lowerLeft.b, 240);
    EXPECT_LT(lowerLeft.g, 15);
    EXPECT_GT(lowerRight.r + lowerRight.g + lowerRight.b, 3 * 240);
}

TEST_F(TextureTest, ColoursArePremultipliedByAlpha) {
    const std::vector<unsigned char> rgba = {255, 255, 255, 128, 200, 100, 50, 64,
                                             10,  20,  30,  255, 90,  90,  90, 0};
    const std::vector<unsigned char> texels =
        LevelTexels(Loaded(WritePng("alpha.png", 2, 2, 4, rgba)).id, 0);
    // Rows are flipped: the image's bottom row comes first.
    const std::vector<unsigned char> expected = {10,  20,  30,  255, 0,  0,  0,  0,
                                                 128, 128, 128, 128, 50, 25, 13, 64};
    EXPECT_EQ(texels, expected);

    const std::vector<unsigned char> greyAlpha = {255, 128, 255, 128, 255, 128, 255, 128};
    const std::vector<unsigned char> grey =
        LevelTexels(Loaded(WritePng("ga.png", 2, 2, 2, greyAlpha)).id, 0);
    EXPECT_EQ(grey[0], 128) << "luminance is premultiplied as well";
    EXPECT_EQ(grey[3], 128);
}

// Mip levels of 1- and 3-channel images have rows whose length is not a
// multiple of four bytes; each level must still hold the image's colour.
TEST_F(TextureTest, EveryMipLevelOfNarrowRowImagesKeepsItsColour) {
    const std::vector<unsigned char> rgb = {10, 200, 30};
    std::vector<unsigned char> pixels;
    for (int i = 0; i < 4 * 4; ++i)
        pixels.insert(pixels.end(), rgb.begin(), rgb.end());
    const GLuint colour = Loaded(WritePng("narrow_rgb.png", 4, 4, 3, pixels)).id;
    const GLuint grey =
        Loaded(WritePng("narrow_grey.png", 4, 4, 1, std::vector<unsigned char>(16, 77))).id;
    for (int level = 0; level <= 2; ++level) {
        SCOPED_TRACE(level);
        const std::vector<unsigned char> texels = LevelTexels(colour, level);
        for (size_t i = 0; i < texels.size(); i += 4) {
            EXPECT_EQ(texels[i], 10);
            EXPECT_EQ(texels[i + 1], 200);
            EXPECT_EQ(texels[i + 2], 30);
        }
        const std::vector<unsigned char> greys = LevelTexels(grey, level);
        for (size_t i = 0; i < greys.size(); i += 4)
            EXPECT_EQ(greys[i], 77);
    }
}

// ---- Files that are not images ----------------------------------------------------

TEST_F(TextureTest, UndecodableFilesPrintTheirLineAndLeaveIdZero) {
    std::string valid;
    {
        const std::string path = WritePng("whole.png", 64, 64, 3, Quadrants(64, 64));
        std::ifstream file(path, std::ios::binary);
        valid.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    const std::string paths[] = {
        ScratchPath("missing.png"),
        ScratchFile("empty.png", ""),
        ScratchFile("noise.png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(200, '\x5a')),
        ScratchFile("cut.png", valid.substr(0, valid.size() / 2)),
        ScratchFile("huge.png", PngClaimingSize(100000, 100000)),
        ScratchFile("wide.png", PngClaimingSize(1u << 30, 1)),
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        Texture texture{};
        texture.id = 12345;
        EXPECT_EQ(CapturePrinted([&] { texture.Load(path); }), "Texture::Load " + path + "\n");
        EXPECT_EQ(texture.id, 0u);
    }
}

} // namespace
