// Decoding ahead: a stream made from a prefetched file is the stream made
// without one, and a file that changed or vanished since is read afresh.
#include "bass/audio_options.h"
#include "bass/bass.h"
#include "bass/bass_decode.h"
#include "bass/bass_prefetch.h"
#include "tests/support/ogg_files.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

PcmBuffer DecodeFile(const std::string& path, int& code) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    PcmBuffer pcm;
    code = DecodeOggVorbis(bytes.data(), bytes.size(), pcm);
    return pcm;
}

TEST(Prefetch, HandsOverExactlyWhatDecodingTheBytesGives) {
    TempDir dir;
    const std::string path = dir.Path("music.ogg");
    WriteNoisyTone(path, 3 * 44100);
    int plainCode = -1;
    const PcmBuffer plain = DecodeFile(path, plainCode);

    StartPrefetch(path.c_str());
    PcmBuffer taken;
    int code = -1;
    ASSERT_TRUE(TakePrefetch(path.c_str(), ReadBytes(path), taken, code));
    EXPECT_EQ(code, plainCode);
    EXPECT_EQ(taken.frames, 3 * 44100);
    EXPECT_EQ(taken.rate, plain.rate);
    EXPECT_EQ(taken.channels, plain.channels);
    EXPECT_TRUE(taken.samples == plain.samples);
    // Taken once: a second stream of the file decodes it itself.
    EXPECT_FALSE(TakePrefetch(path.c_str(), ReadBytes(path), taken, code));
}

TEST(Prefetch, IsDroppedForOtherBytesOrAnotherFile) {
    TempDir dir;
    const std::string path = dir.Path("music.ogg");
    WriteTone(path, 44100, 2, 44100);
    StartPrefetch(path.c_str());
    PcmBuffer pcm;
    int code = 12345;
    // Rewritten after the prefetch began: the new bytes are not what it read.
    WriteTone(path, 22050, 1, 22050);
    EXPECT_FALSE(TakePrefetch(path.c_str(), ReadBytes(path), pcm, code));
    EXPECT_EQ(code, 12345);
    EXPECT_EQ(pcm.frames, 0);

    StartPrefetch(path.c_str());
    EXPECT_FALSE(TakePrefetch(dir.Path("other.ogg").c_str(), ReadBytes(path), pcm, code));
    EXPECT_TRUE(TakePrefetch(path.c_str(), ReadBytes(path), pcm, code));
    EXPECT_EQ(pcm.frames, 22050);
}

TEST(Prefetch, StreamsAreTheSameWithAndWithoutIt) {
    TempDir dir;
    const std::string path = dir.Path("music.ogg");
    const std::string missing = dir.Path("later.ogg");
    WriteTone(path, 44100, 2, 44100);
    if (!BASS_Init(0, 44100, 0, nullptr, nullptr)) {
        ASSERT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);
    }

    AudioPrefetchFile(path.c_str());
    HSTREAM prefetched = BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0);
    HSTREAM plain = BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0);
    ASSERT_NE(prefetched, 0u);
    ASSERT_NE(plain, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(prefetched, BASS_POS_BYTE), 44100u * 4);
    EXPECT_EQ(BASS_ChannelGetLength(prefetched, BASS_POS_BYTE),
              BASS_ChannelGetLength(plain, BASS_POS_BYTE));

    // A file missing when the prefetch looked, there when the stream is made.
    AudioPrefetchFile(missing.c_str());
    WriteTone(missing, 44100, 1, 4410);
    HSTREAM later = BASS_StreamCreateFile(FALSE, missing.c_str(), 0, 0, 0);
    ASSERT_NE(later, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(later, BASS_POS_BYTE), 4410u * 2);

    // Not Ogg Vorbis: the same error as without a prefetch.
    WriteBytes(path, std::vector<uint8_t>(1000, 'x'));
    AudioPrefetchFile(path.c_str());
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
}

} // namespace

namespace {

TEST(SideBySide, HalvesJoinIntoExactlyWhatOnePassGives) {
    TempDir dir;
    const std::string noisy = dir.Path("noisy.ogg");
    WriteNoisyTone(noisy, 12 * 44100);
    const std::string cut = dir.Path("cut.ogg");
    std::vector<uint8_t> bytes = ReadBytes(noisy);
    bytes.resize(bytes.size() * 2 / 3);
    WriteBytes(cut, bytes);
    const std::string shortTone = dir.Path("short.ogg");
    WriteTone(shortTone, 44100, 2, 44100);

    struct Case {
        std::string path;
        bool halves;
    };
    for (const Case& c : {Case{"resource/noise.ogg", true}, Case{noisy, true}, Case{cut, false},
                          Case{shortTone, false}}) {
        SCOPED_TRACE(c.path);
        const std::vector<uint8_t> file = ReadBytes(c.path);
        ASSERT_FALSE(file.empty());
        EXPECT_EQ(DecodesSideBySide(file.data(), file.size()), c.halves);
        PcmBuffer onePass;
        PcmBuffer sideBySide;
        ASSERT_EQ(DecodeOggVorbis(file.data(), file.size(), onePass), 0);
        ASSERT_EQ(DecodeOggVorbisSideBySide(file.data(), file.size(), sideBySide), 0);
        EXPECT_EQ(sideBySide.frames, onePass.frames);
        EXPECT_EQ(sideBySide.rate, onePass.rate);
        EXPECT_EQ(sideBySide.channels, onePass.channels);
        EXPECT_TRUE(sideBySide.samples == onePass.samples);
    }
}

} // namespace
