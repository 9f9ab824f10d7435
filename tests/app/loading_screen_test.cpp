// The loading screen as a viewer sees it: where the image lands in the
// letterboxed window and which way up it is.
#include "app/startup.h"

#include "tests/support/gl_fixture.h"
#include "tests/support/png_files.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Rgb = std::array<unsigned char, 3>;
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kBlack{0, 0, 0};

// A 16 x 16 image, red in its top half and blue in its bottom half.
void WriteTwoToneImage(const fs::path& file) {
    std::vector<unsigned char> pixels;
    for (int row = 0; row < 16; ++row) {
        const Rgb& colour = row < 8 ? kRed : kBlue;
        for (int column = 0; column < 16; ++column)
            pixels.insert(pixels.end(), colour.begin(), colour.end());
    }
    fs::copy_file(WritePng("two_tone.png", 16, 16, 3, pixels), file,
                  fs::copy_options::overwrite_existing);
}

// Runs the test from a folder whose "./resource/loading.png" is that image.
class LoadingScreen : public testing::Test {
  protected:
    void SetUp() override {
        home = fs::current_path();
        folder = fs::temp_directory_path() / ("zf_loading_" + std::to_string(::getpid()));
        fs::create_directories(folder / "resource");
        WriteTwoToneImage(folder / "resource" / "loading.png");
        fs::current_path(folder);
    }
    void TearDown() override {
        fs::current_path(home);
        fs::remove_all(folder);
    }

    // Window pixel at (x, y), y counted from the bottom as GL does.
    Rgb PixelAt(int x, int y) const {
        Rgb pixel{};
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel.data());
        return pixel;
    }

    fs::path home, folder;
};

// Draws the loading screen into a cleared width x height window the way
// start-up does, with the letterbox viewport in force.
void DrawInWindow(int width, int height) {
    ASSERT_TRUE(TestGlReady(1920, 1080));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Viewport v = ComputeViewport(width, height);
    glViewport(v.x, v.y, v.width, v.height);
    glClear(GL_COLOR_BUFFER_BIT);
    Production production;
    production.DrawLoadingScreen(static_cast<float>(width) / height);
    glFinish();
}

} // namespace

// 640 x 480: viewport (0, 60, 640, 360); the quad is 160 x 120 pixels,
// x 240..399 and y 180..299 from the bottom. The image's texels are 10 x 7.5
// pixels, so samples keep two texels from the quad's edges, where filtering
// blends in the border.
TEST_F(LoadingScreen, WindowedImageIsAQuarterOfTheViewportWideAndCentred) {
    DrawInWindow(640, 480);
    EXPECT_EQ(PixelAt(260, 196), kBlue);
    EXPECT_EQ(PixelAt(380, 284), kRed);
    EXPECT_EQ(PixelAt(237, 240), kBlack);
    EXPECT_EQ(PixelAt(402, 240), kBlack);
    EXPECT_EQ(PixelAt(320, 177), kBlack);
    EXPECT_EQ(PixelAt(320, 302), kBlack);
}

// On a 16:9 window the image is square: 480 x 480 at 1920 x 1080 (x and y
// 720..1199 and 300..779), and the top row of the file is at the top.
TEST_F(LoadingScreen, FullHdImageIsSquareAndUpright) {
    DrawInWindow(1920, 1080);
    EXPECT_EQ(PixelAt(960, 740), kRed);
    EXPECT_EQ(PixelAt(960, 340), kBlue);
    EXPECT_EQ(PixelAt(760, 400), kBlue);
    EXPECT_EQ(PixelAt(1160, 700), kRed);
    EXPECT_EQ(PixelAt(717, 540), kBlack);
    EXPECT_EQ(PixelAt(1202, 540), kBlack);
    EXPECT_EQ(PixelAt(960, 782), kBlack);
    EXPECT_EQ(PixelAt(960, 297), kBlack);
}
