// Decoding block by block: whatever order the blocks come in, and wherever
// decoding starts, they join into exactly the samples one pass over the file
// gives.
#include "bass/bass_blocks.h"
#include "bass/bass_decode.h"
#include "tests/support/ogg_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int64_t kBlock = BlockDecoder::kBlockFrames;

PcmBuffer DecodeWhole(const std::vector<uint8_t>& bytes) {
    PcmBuffer pcm;
    EXPECT_EQ(DecodeOggVorbis(bytes.data(), bytes.size(), pcm), 0);
    return pcm;
}

bool SameFrames(const PcmBuffer& a, const PcmBuffer& b, int64_t from, int64_t to) {
    return std::equal(a.Frame(from), a.Frame(to), b.Frame(from));
}

TEST(BlockDecoder, BlocksInAnyOrderJoinIntoWhatOnePassGives) {
    TempDir dir;
    const std::string path = dir.Path("noisy.ogg");
    // Six blocks, the last one short; the noise spreads them over many pages.
    WriteNoisyTone(path, 5 * kBlock + 1234);
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const PcmBuffer whole = DecodeWhole(bytes);

    BlockDecoder blocks;
    PcmBuffer pcm;
    ASSERT_EQ(blocks.Open(bytes.data(), bytes.size(), pcm), 0);
    ASSERT_EQ(pcm.frames, whole.frames);
    EXPECT_EQ(pcm.channels, whole.channels);
    EXPECT_EQ(pcm.rate, whole.rate);
    EXPECT_EQ(blocks.DecodedEnd(0), 0);

    // A seek into the middle of the file first: the block holding the frame.
    const int64_t middle = 2 * kBlock + kBlock / 2;
    blocks.Decode(middle, middle + 1);
    EXPECT_EQ(blocks.DecodedEnd(middle), 3 * kBlock);
    EXPECT_TRUE(SameFrames(pcm, whole, 2 * kBlock, 3 * kBlock));

    // Then the short last block, the first, and the rest from the middle on:
    // the next one after it first, then round to the start.
    blocks.Decode(pcm.frames - 1, pcm.frames);
    blocks.Decode(0, 1);
    ASSERT_TRUE(blocks.DecodeNext(middle));
    EXPECT_EQ(blocks.DecodedEnd(middle), 4 * kBlock);
    int more = 0;
    while (blocks.DecodeNext(middle))
        ++more;
    EXPECT_EQ(more, 2);
    EXPECT_EQ(blocks.DecodedEnd(0), pcm.frames);
    EXPECT_TRUE(pcm.samples == whole.samples);
}

} // namespace
