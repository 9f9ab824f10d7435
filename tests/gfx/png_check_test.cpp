// PngChunksIntact on the production's smallest image and on copies of it
// changed the ways a disk, a download or a hostile file changes them.
#include "gfx/png_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Intact(const Bytes& bytes) {
    return PngChunksIntact(bytes.data(), bytes.size());
}

// The offset of the first chunk of `type` (its length field), or 0.
size_t FindChunk(const Bytes& bytes, const char* type) {
    for (size_t at = 8; at + 12 <= bytes.size();) {
        if (std::equal(type, type + 4, bytes.begin() + long(at) + 4))
            return at;
        size_t length = size_t(bytes[at]) << 24 | size_t(bytes[at + 1]) << 16 |
                        size_t(bytes[at + 2]) << 8 | bytes[at + 3];
        at += 12 + length;
    }
    return 0;
}

TEST(PngCheck, TheProductionsImagePassesAndEveryCutOrFlipFails) {
    const Bytes intact = ReadBytes("resource/x.png");
    ASSERT_GT(intact.size(), 100u);
    EXPECT_TRUE(Intact(intact));
    EXPECT_FALSE(PngChunksIntact(nullptr, 0));
    for (size_t cut :
         {size_t(0), size_t(7), size_t(8), size_t(20), intact.size() / 2, intact.size() - 1}) {
        EXPECT_FALSE(Intact(Bytes(intact.begin(), intact.begin() + long(cut)))) << cut;
    }
    for (size_t at = 0; at < intact.size(); at += 7) {
        Bytes flipped = intact;
        flipped[at] ^= 0x10;
        EXPECT_FALSE(Intact(flipped)) << "bit 4 of byte " << at;
    }
}

// Found by tools/fuzz/image_fuzz: an empty first IDAT chunk (with a correct
// CRC) made the decoder copy zero bytes to a null pointer.
TEST(PngCheck, AnEmptyDataChunkAndAMissingEndAreRefused) {
    const Bytes found = ReadBytes("tests/robustness/images/empty-idat.png");
    ASSERT_NE(FindChunk(found, "IDAT"), 0u);
    EXPECT_FALSE(Intact(found));

    const Bytes intact = ReadBytes("resource/x.png");
    const size_t end = FindChunk(intact, "IEND");
    ASSERT_NE(end, 0u);
    EXPECT_FALSE(Intact(Bytes(intact.begin(), intact.begin() + long(end))));
    // Bytes after IEND are not the image's; they do not make it damaged.
    Bytes trailed = intact;
    trailed.push_back(0);
    EXPECT_TRUE(Intact(trailed));
}

} // namespace
