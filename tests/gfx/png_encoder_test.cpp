#include "gfx/png_encoder.h"

#include "tests/support/run_command.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace {

std::vector<unsigned char> TestPicture(int width, int height) {
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = static_cast<unsigned char>(x * 7);
            p[1] = static_cast<unsigned char>(y * 13);
            p[2] = static_cast<unsigned char>((x ^ y) * 31);
        }
    return rgb;
}

std::vector<unsigned char> Decode(const unsigned char* png, size_t size, int& w, int& h) {
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(png, static_cast<int>(size), &w, &h, &channels, 3);
    std::vector<unsigned char> rgb;
    if (pixels)
        rgb.assign(pixels, pixels + static_cast<size_t>(w) * h * 3);
    stbi_image_free(pixels);
    return rgb;
}

} // namespace

TEST(PngEncoder, DecodesToTheSamePixels) {
    // Odd sizes catch row-stride mistakes; rows differ so the Up filter
    // matters.
    for (auto size : {std::pair<int, int>{1, 1}, {37, 19}, {320, 180}}) {
        std::vector<unsigned char> picture = TestPicture(size.first, size.second);
        PngEncoder encoder;
        ASSERT_TRUE(encoder.Init(size.first, size.second));
        ASSERT_TRUE(encoder.Encode(picture.data()));
        int w = 0, h = 0;
        std::vector<unsigned char> decoded = Decode(encoder.Data(), encoder.Size(), w, h);
        EXPECT_EQ(w, size.first);
        EXPECT_EQ(h, size.second);
        EXPECT_EQ(decoded, picture) << size.first << "x" << size.second;
    }
}

TEST(PngEncoder, ReusedForFramesAfterFrameAndWritten) {
    PngEncoder encoder;
    ASSERT_TRUE(encoder.Init(64, 36));
    std::vector<unsigned char> first = TestPicture(64, 36);
    std::vector<unsigned char> black(first.size(), 0);
    ASSERT_TRUE(encoder.Encode(first.data()));
    std::string firstPng(reinterpret_cast<const char*>(encoder.Data()), encoder.Size());
    ASSERT_TRUE(encoder.Encode(black.data()));
    EXPECT_LT(encoder.Size(), firstPng.size()) << "a black frame compresses further";
    ASSERT_TRUE(encoder.Encode(first.data()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(encoder.Data()), encoder.Size()), firstPng)
        << "the compressor must start afresh for every frame";

    std::string dir = MakeTempDir();
    std::string path = dir + "/frame.png";
    ASSERT_TRUE(encoder.WriteFile(path.c_str()));
    EXPECT_EQ(ReadFile(path), firstPng);
    EXPECT_FALSE(encoder.WriteFile((dir + "/missing/frame.png").c_str()));
    unlink(path.c_str());
    rmdir(dir.c_str());
}
