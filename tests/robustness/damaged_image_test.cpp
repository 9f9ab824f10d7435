// Texture::Load on the production's own images with bits flipped anywhere in
// them, as a failing disk or a broken download leaves them: the image is
// refused (id 0) rather than shown as garbage.
#include "gfx/texture.h"
#include "platform/headless_gl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

const char* const kImages[] = {"loading",    "zentrafel", "pellumin", "greetings",
                               "ambrelune",  "corvattis", "duskweld", "rivenhold",
                               "sorrelgate", "tamberlyn", "x",        "credits"};
// Places spread over each file, past the 8-byte signature.
constexpr int kFlipsPerImage = 9;

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Kept for the whole process, as the production keeps its window.
void EnsureContext() {
    static HeadlessGl* gl = [] {
        auto* context = new HeadlessGl();
        if (!context->Create(64, 64))
            ADD_FAILURE() << "no headless GL context";
        return context;
    }();
    (void)gl;
}

TEST(DamagedImage, AFlippedBitAnywhereLeavesIdZero) {
    EnsureContext();
    const std::string scratch = "/tmp/zentrafel-flipped-" + std::to_string(getpid()) + ".png";
    for (const char* image : kImages) {
        const std::string intact = ReadBytes(std::string("resource/") + image + ".png");
        ASSERT_GT(intact.size(), 64u) << image;
        for (int i = 0; i < kFlipsPerImage; ++i) {
            const size_t at = 8 + (intact.size() - 8) * (2 * i + 1) / (2 * kFlipsPerImage);
            std::string damaged = intact;
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << (i % 8)));
            std::ofstream(scratch, std::ios::binary) << damaged;
            Texture texture{};
            texture.Load(scratch);
            EXPECT_EQ(texture.id, 0u) << image << ".png with byte " << at << " changed";
        }
    }
    std::remove(scratch.c_str());
}

TEST(DamagedImage, TheIntactImagesLoad) {
    EnsureContext();
    for (const char* image : kImages) {
        Texture texture{};
        texture.Load(std::string("resource/") + image + ".png");
        EXPECT_NE(texture.id, 0u) << image;
    }
}

} // namespace

// Files found by tools/fuzz/image_fuzz. A JPEG whose Huffman table counts
// more than 256 codes made the image decoder write past the table: images are
// decoded as PNG only, so a JPEG, whole or corrupt, is refused unparsed. A PNG
// whose first IDAT chunk is empty made it copy to a null pointer. The
// sanitizer build stops at either otherwise.
TEST(DamagedImage, FuzzerFindingsAndOtherFormatsAreRefused) {
    EnsureContext();
    for (const char* file : {"huffman-overflow.jpg", "valid.jpg", "empty-idat.png"}) {
        Texture texture{};
        texture.Load(std::string("tests/robustness/images/") + file);
        EXPECT_EQ(texture.id, 0u) << file;
    }
}
