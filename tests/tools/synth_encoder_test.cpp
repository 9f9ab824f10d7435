// Writing the music file and reading it back as the production will.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "ogg_reader.h"
#include "timeline.h"
#include "tools/signal/ogg_writer.h"

namespace {

std::string TempPath(const char* name) {
    return ::testing::TempDir() + name;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes a 440 Hz tone on the left, silence on the right, as the synthesiser
// writes its music (with a title).
bool WriteLeftTone(const std::string& path, int64_t frames) {
    OggShape shape{kSampleRate, 2, frames, 0.5f};
    return WriteOgg(
               path, shape,
               [](int64_t i, int channel) {
                   return channel == 0 ? 0.5f * static_cast<float>(std::sin(
                                                    2.0 * 3.14159265 * 440.0 * i / kSampleRate))
                                       : 0.0f;
               },
               "zentrafel") > 0;
}

double ChannelRms(const DecodedAudio& a, int channel) {
    double sum = 0.0;
    for (size_t i = 0; i < a.Frames(); ++i)
        sum += a.interleaved[i * a.channels + channel] * a.interleaved[i * a.channels + channel];
    return std::sqrt(sum / a.Frames());
}

TEST(VorbisRoundTrip, KeepsLengthRateChannelsAndLevels) {
    const size_t frames = 66150; // 1.5 s, not a multiple of the encoder's blocks
    std::string path = TempPath("roundtrip.ogg");
    ASSERT_TRUE(WriteLeftTone(path, frames));
    DecodedAudio audio;
    ASSERT_TRUE(ReadOggVorbis(path, audio));
    EXPECT_EQ(audio.channels, 2);
    EXPECT_EQ(audio.sampleRate, 44100);
    EXPECT_EQ(audio.Frames(), frames);
    EXPECT_NEAR(ChannelRms(audio, 0), 0.5 / std::sqrt(2.0), 0.02);
    EXPECT_LT(ChannelRms(audio, 1), 0.01);
    std::remove(path.c_str());
}

TEST(VorbisRoundTrip, SameMixGivesTheSameBytes) {
    std::string a = TempPath("same_a.ogg"), b = TempPath("same_b.ogg");
    ASSERT_TRUE(WriteLeftTone(a, 20000));
    ASSERT_TRUE(WriteLeftTone(b, 20000));
    std::string bytesA = Bytes(a);
    EXPECT_GT(bytesA.size(), 1000u);
    EXPECT_EQ(bytesA, Bytes(b));
    std::remove(a.c_str());
    std::remove(b.c_str());
}

TEST(VorbisRoundTrip, ReportsFilesItCannotWriteOrRead) {
    EXPECT_FALSE(WriteLeftTone("/nonexistent-dir/x.ogg", 100));
    DecodedAudio audio;
    EXPECT_FALSE(ReadOggVorbis("/nonexistent-dir/x.ogg", audio));
    std::string notOgg = TempPath("not.ogg");
    std::ofstream(notOgg) << "this is not an ogg file";
    EXPECT_FALSE(ReadOggVorbis(notOgg, audio));
    std::remove(notOgg.c_str());
}

} // namespace
