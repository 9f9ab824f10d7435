// The own texture upload (used on Windows) against SOIL's (used on Linux):
// every resource image and images of odd sizes and every channel count go
// through both, and every mip level must come out the same, byte for byte,
// with the same sizes, formats and parameters.
#include "gfx/texture_upload.h"

#include "tests/support/gl_fixture.h"

#include <SOIL.h>
#include <stb_image.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using TextureUploadTest = GlTest;

struct Level {
    GLint width = 0;
    GLint height = 0;
    GLint format = 0;
    std::vector<unsigned char> texels; // as RGBA bytes
};

GLint LevelValue(int level, GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

// Every level the bound texture holds, down to the last one defined.
std::vector<Level> Levels() {
    std::vector<Level> levels;
    for (int i = 0; LevelValue(i, GL_TEXTURE_WIDTH) > 0; ++i) {
        Level level{LevelValue(i, GL_TEXTURE_WIDTH),
                    LevelValue(i, GL_TEXTURE_HEIGHT),
                    LevelValue(i, GL_TEXTURE_INTERNAL_FORMAT),
                    {}};
        level.texels.resize(size_t(level.width) * level.height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, i, GL_RGBA, GL_UNSIGNED_BYTE, level.texels.data());
        levels.push_back(std::move(level));
    }
    return levels;
}

struct Uploaded {
    GLuint id = 0;
    GLint bound = 0; // GL_TEXTURE_BINDING_2D right after the upload
    GLint minFilter = 0, magFilter = 0, wrapS = 0, wrapT = 0;
    std::vector<Level> levels;
};

template <typename Upload> Uploaded Through(Upload upload) {
    Uploaded result;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    result.id = upload();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &result.bound);
    glBindTexture(GL_TEXTURE_2D, result.id);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &result.minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &result.magFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &result.wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &result.wrapT);
    result.levels = Levels();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &result.id);
    return result;
}

Uploaded WithSoil(const unsigned char* pixels, int width, int height, int channels) {
    return Through([&] {
        return SOIL_create_OGL_texture(pixels, width, height, channels, SOIL_CREATE_NEW_ID,
                                       SOIL_FLAG_DDS_LOAD_DIRECT | SOIL_FLAG_MIPMAPS |
                                           SOIL_FLAG_MULTIPLY_ALPHA | SOIL_FLAG_INVERT_Y);
    });
}

Uploaded WithOwn(const unsigned char* pixels, int width, int height, int channels) {
    return Through([&] { return UploadTexture(pixels, width, height, channels); });
}

// The first differing texel of each level is named, not a wall of bytes.
void ExpectSame(const Uploaded& soil, const Uploaded& own, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_NE(own.id, 0u);
    EXPECT_EQ(own.bound, GLint(own.id));
    EXPECT_EQ(own.bound == GLint(own.id), soil.bound == GLint(soil.id));
    EXPECT_EQ(own.minFilter, soil.minFilter);
    EXPECT_EQ(own.magFilter, soil.magFilter);
    EXPECT_EQ(own.wrapS, soil.wrapS);
    EXPECT_EQ(own.wrapT, soil.wrapT);
    ASSERT_EQ(own.levels.size(), soil.levels.size());
    for (size_t i = 0; i < soil.levels.size(); ++i) {
        const Level& a = soil.levels[i];
        const Level& b = own.levels[i];
        ASSERT_EQ(b.width, a.width) << "level " << i;
        ASSERT_EQ(b.height, a.height) << "level " << i;
        EXPECT_EQ(b.format, a.format) << "level " << i;
        for (size_t j = 0; j < a.texels.size(); ++j) {
            if (a.texels[j] != b.texels[j]) {
                ADD_FAILURE() << "level " << i << " (" << a.width << "x" << a.height << "), texel "
                              << j / 4 << " byte " << j % 4 << ": SOIL " << int(a.texels[j])
                              << ", own " << int(b.texels[j]);
                break;
            }
        }
    }
}

// Random bytes, so that every weight and rounding step shows.
std::vector<unsigned char> Noise(int width, int height, int channels, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<unsigned char> pixels(size_t(width) * height * channels);
    for (unsigned char& byte : pixels)
        byte = static_cast<unsigned char>(random() & 0xff);
    return pixels;
}

TEST_F(TextureUploadTest, EveryResourceImageUploadsAsSoilUploadsIt) {
    int images = 0;
    for (const auto& entry : std::filesystem::directory_iterator("resource")) {
        if (entry.path().extension() != ".png")
            continue;
        int width = 0, height = 0, channels = 0;
        unsigned char* pixels =
            stbi_load(entry.path().string().c_str(), &width, &height, &channels, 0);
        ASSERT_NE(pixels, nullptr) << entry.path();
        ExpectSame(WithSoil(pixels, width, height, channels),
                   WithOwn(pixels, width, height, channels), entry.path().string());
        stbi_image_free(pixels);
        ++images;
    }
    EXPECT_GE(images, 10);
}

// Sides that are not powers of two are scaled up; one pixel has no mip
// levels below it. (An image one pixel high or wide that needs scaling is
// left out: SOIL's output for it is all zeros, and no image is like that.)
TEST_F(TextureUploadTest, OddSizesWithEveryChannelCountUploadAsSoilUploadsThem) {
    const int sizes[][2] = {{1, 1}, {300, 200}, {1023, 7}, {7, 1023}, {5, 3}, {64, 2}};
    for (const auto& size : sizes)
        for (int channels = 1; channels <= 4; ++channels) {
            const std::vector<unsigned char> pixels =
                Noise(size[0], size[1], channels, unsigned(size[0] * 31 + channels));
            ExpectSame(WithSoil(pixels.data(), size[0], size[1], channels),
                       WithOwn(pixels.data(), size[0], size[1], channels),
                       std::to_string(size[0]) + "x" + std::to_string(size[1]) + "x" +
                           std::to_string(channels));
        }
}

TEST_F(TextureUploadTest, EachUploadGetsANewName) {
    const std::vector<unsigned char> pixels = Noise(4, 4, 4, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLuint first = UploadTexture(pixels.data(), 4, 4, 4);
    const GLuint second = UploadTexture(pixels.data(), 4, 4, 4);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, first);
    EXPECT_TRUE(glIsTexture(first));
    EXPECT_TRUE(glIsTexture(second));
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &first);
    glDeleteTextures(1, &second);
}

} // namespace
