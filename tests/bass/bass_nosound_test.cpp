// The audio library on the "no sound" device 0: streams from generated Ogg
// files, positions and their conversions, playback on the steady clock, the
// spectrum, and bad input.
#include "bass/bass.h"
#include "tests/support/fresh_process.h"
#include "tests/support/ogg_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <thread>

namespace {

void UseNoSoundDevice() {
    if (!BASS_Init(0, 44100, 0, nullptr, nullptr)) {
        ASSERT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);
    }
}

HSTREAM Open(const std::string& path) {
    return BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0);
}

double Seconds(HSTREAM stream) {
    return BASS_ChannelBytes2Seconds(stream, BASS_ChannelGetPosition(stream, BASS_POS_BYTE));
}

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TEST(BassBeforeInit, ReportsCode8) {
    EXPECT_IN_FRESH_PROCESS([] {
        Findings f;
        TempDir dir;
        WriteTone(dir.Path("a.ogg"), 44100, 2, 4410);
        f.Equal(Open(dir.Path("a.ogg")), 0u, "stream before BASS_Init");
        f.Equal(BASS_ErrorGetCode(), BASS_ERROR_INIT, "code");
        f.Equal(BASS_Start(), FALSE, "BASS_Start before BASS_Init");
        f.Equal(BASS_ErrorGetCode(), BASS_ERROR_INIT, "code");
        return f;
    });
}

TEST(BassInit, KnowsItsDevicesAndTheirState) {
    UseNoSoundDevice();
    EXPECT_EQ(BASS_GetVersion() >> 16, 0x0204u);
    EXPECT_FALSE(BASS_Init(0, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);
    EXPECT_FALSE(BASS_Init(7, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DEVICE);
    EXPECT_TRUE(BASS_Start());
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_OK);
}

class BassStream : public testing::Test {
  protected:
    void SetUp() override { UseNoSoundDevice(); }
    TempDir dir;
};

TEST_F(BassStream, LengthCountsSixteenBitFramesAtTheFilesRateAndChannels) {
    struct Shape {
        long rate;
        int channels;
        int64_t frames;
    };
    for (Shape s : {Shape{22050, 1, 11025}, Shape{44100, 2, 44100}, Shape{48000, 3, 4800}}) {
        std::string path = dir.Path("tone" + std::to_string(s.channels) + ".ogg");
        ASSERT_GT(WriteTone(path, s.rate, s.channels, s.frames), 0u);
        HSTREAM stream = Open(path);
        ASSERT_NE(stream, 0u) << "code " << BASS_ErrorGetCode();
        QWORD bytes = BASS_ChannelGetLength(stream, BASS_POS_BYTE);
        EXPECT_EQ(bytes, QWORD(s.frames * s.channels * 2));
        EXPECT_DOUBLE_EQ(BASS_ChannelBytes2Seconds(stream, bytes), double(s.frames) / s.rate);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_OK);
    }
}

TEST_F(BassStream, OpensFromMemoryAndFromAPartOfAFile) {
    std::string path = dir.Path("tone.ogg");
    ASSERT_GT(WriteTone(path, 44100, 2, 22050), 0u);
    std::vector<uint8_t> bytes = ReadBytes(path);
    HSTREAM fromMemory = BASS_StreamCreateFile(TRUE, bytes.data(), 0, bytes.size(), 0);
    ASSERT_NE(fromMemory, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(fromMemory, BASS_POS_BYTE), 88200u);
    std::vector<uint8_t> padded = bytes;
    padded.insert(padded.begin(), 100, uint8_t('x'));
    WriteBytes(dir.Path("padded.bin"), padded);
    HSTREAM fromPart = BASS_StreamCreateFile(FALSE, dir.Path("padded.bin").c_str(), 100, 0, 0);
    ASSERT_NE(fromPart, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(fromPart, BASS_POS_BYTE), 88200u);
    EXPECT_EQ(BASS_StreamCreateFile(TRUE, bytes.data(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
}

TEST_F(BassStream, RejectsUnknownHandlesAndModes) {
    ASSERT_GT(WriteTone(dir.Path("tone.ogg"), 44100, 2, 4410), 0u);
    HSTREAM stream = Open(dir.Path("tone.ogg"));
    ASSERT_NE(stream, 0u);
    float bins[128];
    for (DWORD bad : {0u, 12345u, stream + 1000}) {
        EXPECT_EQ(BASS_ChannelGetLength(bad, BASS_POS_BYTE), QWORD(-1));
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
        EXPECT_FALSE(BASS_ChannelPlay(bad, FALSE));
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
        EXPECT_EQ(BASS_ChannelGetData(bad, bins, BASS_DATA_FFT256), DWORD(-1));
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    }
    EXPECT_EQ(BASS_ChannelGetPosition(stream, 1), QWORD(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
    EXPECT_FALSE(BASS_ChannelSetPosition(stream, 0, 1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
    EXPECT_EQ(BASS_ChannelGetData(stream, nullptr, BASS_DATA_FFT256), DWORD(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_EQ(BASS_ChannelGetData(stream, bins, 512), DWORD(-1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
}

class BassBadFile : public BassStream {
  protected:
    // Three seconds whose body spans many pages, and where the body starts.
    void SetUp() override {
        BassStream::SetUp();
        headerBytes = WriteNoisyTone(dir.Path("good.ogg"), 3 * 44100);
        ASSERT_GT(headerBytes, 0u);
        good = ReadBytes(dir.Path("good.ogg"));
    }
    // Creates a stream from `bytes`; returns it, or 0 with the code in `code`.
    HSTREAM Try(const std::vector<uint8_t>& bytes) {
        WriteBytes(dir.Path("bad.ogg"), bytes);
        HSTREAM stream = Open(dir.Path("bad.ogg"));
        code = BASS_ErrorGetCode();
        return stream;
    }
    size_t headerBytes = 0;
    std::vector<uint8_t> good;
    int code = 0;
};

TEST_F(BassBadFile, MissingOrUnreadableIsCode2) {
    EXPECT_EQ(Open(dir.Path("missing.ogg")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    EXPECT_EQ(Open(dir.Path("")), 0u); // the folder itself
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
}

TEST_F(BassBadFile, AnythingButOggVorbisIsCode41) {
    std::mt19937 random(3);
    std::vector<uint8_t> noise(4096);
    for (uint8_t& b : noise)
        b = uint8_t(random());
    const char wav[] = "RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00";
    std::vector<std::vector<uint8_t>> inputs = {
        {},
        noise,
        std::vector<uint8_t>(wav, wav + sizeof wav - 1),
        std::vector<uint8_t>(good.begin(), good.begin() + 30),
        std::vector<uint8_t>(good.begin(), good.begin() + long(headerBytes / 2)),
        std::vector<uint8_t>(good.begin(), good.begin() + long(headerBytes - 1)),
    };
    for (size_t i = 0; i < inputs.size(); ++i) {
        EXPECT_EQ(Try(inputs[i]), 0u) << "input " << i;
        EXPECT_EQ(code, BASS_ERROR_FILEFORM) << "input " << i;
    }
}

TEST_F(BassBadFile, BodyCutShortPlaysWhatDecodes) {
    size_t cut = headerBytes + (good.size() - headerBytes) / 2;
    HSTREAM stream = Try(std::vector<uint8_t>(good.begin(), good.begin() + long(cut)));
    ASSERT_NE(stream, 0u) << "code " << code;
    QWORD length = BASS_ChannelGetLength(stream, BASS_POS_BYTE);
    // Half the body: about a second and a half of the three.
    EXPECT_GT(length, 176400u);
    EXPECT_LT(length, 2u * 176400);
    EXPECT_TRUE(BASS_ChannelSetPosition(stream, length, BASS_POS_BYTE));
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), length);
}

TEST_F(BassBadFile, FlippedBitsInTheBodyStillGiveAStream) {
    std::mt19937 random(11);
    float bins[128];
    for (int copy = 0; copy < 6; ++copy) {
        std::vector<uint8_t> damaged = good;
        for (int flip = 0; flip < 40; ++flip) {
            size_t at = headerBytes + random() % (damaged.size() - headerBytes);
            damaged[at] ^= uint8_t(1u << (random() % 8));
        }
        HSTREAM stream = Try(damaged);
        ASSERT_NE(stream, 0u) << "copy " << copy << " code " << code;
        QWORD length = BASS_ChannelGetLength(stream, BASS_POS_BYTE);
        EXPECT_LE(length, 3u * 176400) << "copy " << copy;
        BASS_ChannelSetPosition(stream, length / 2, BASS_POS_BYTE);
        EXPECT_EQ(BASS_ChannelGetData(stream, bins, BASS_DATA_FFT256), 512u);
    }
}

class BassPosition : public BassStream {
  protected:
    void SetUp() override {
        BassStream::SetUp();
        ASSERT_GT(WriteTone(dir.Path("two.ogg"), 44100, 2, 88200), 0u);
        stream = Open(dir.Path("two.ogg"));
        ASSERT_NE(stream, 0u);
    }
    HSTREAM stream = 0;
};

TEST_F(BassPosition, SecondsConvertToWholeFramesRoundedDown) {
    EXPECT_EQ(BASS_ChannelSeconds2Bytes(stream, 1.0), 176400u);
    EXPECT_EQ(BASS_ChannelSeconds2Bytes(stream, 1.0 + 0.9 / 44100), 176400u);
    EXPECT_EQ(BASS_ChannelSeconds2Bytes(stream, -3.0), 0u);
    EXPECT_EQ(BASS_ChannelSeconds2Bytes(stream, std::nan("")), 0u);
    EXPECT_DOUBLE_EQ(BASS_ChannelBytes2Seconds(stream, 264600), 1.5);
    // Video frame times land on their audio frame, without losing one to rounding.
    for (int frame = 0; frame <= 600; ++frame)
        ASSERT_EQ(BASS_ChannelSeconds2Bytes(stream, frame / 60.0), QWORD(frame) * 735 * 4) << frame;
}

TEST_F(BassPosition, SetIsExactWhileStoppedAndClampedToTheStream) {
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 0u);
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, 1.5), BASS_POS_BYTE);
    SleepMs(20);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 264600u);
    EXPECT_DOUBLE_EQ(Seconds(stream), 1.5);
    BASS_ChannelSetPosition(stream, 264603, BASS_POS_BYTE);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 264600u);
    EXPECT_TRUE(BASS_ChannelSetPosition(stream, 10000000, BASS_POS_BYTE));
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 352800u);
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, -3.0), BASS_POS_BYTE);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 0u);
}

TEST_F(BassPosition, RunsInRealTimeWhilePlayingAndStaysWhileStopped) {
    EXPECT_TRUE(BASS_ChannelPlay(stream, FALSE));
    SleepMs(100);
    double playing = Seconds(stream);
    EXPECT_GE(playing, 0.095);
    EXPECT_LT(playing, 1.0);
    EXPECT_TRUE(BASS_ChannelStop(stream));
    double stopped = Seconds(stream);
    SleepMs(50);
    EXPECT_EQ(Seconds(stream), stopped);
    // Play continues from where it stopped, also after a move while stopped.
    BASS_ChannelPlay(stream, FALSE);
    SleepMs(20);
    EXPECT_GE(Seconds(stream), stopped + 0.015);
    EXPECT_LT(Seconds(stream), stopped + 0.9);
    BASS_ChannelStop(stream);
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, 1.0), BASS_POS_BYTE);
    BASS_ChannelPlay(stream, FALSE);
    EXPECT_GE(Seconds(stream), 1.0);
    EXPECT_LT(Seconds(stream), 1.9);
    BASS_ChannelPlay(stream, TRUE);
    EXPECT_LT(Seconds(stream), 0.9);
}

TEST_F(BassPosition, IsTheLengthAfterTheEnd) {
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, 1.95), BASS_POS_BYTE);
    BASS_ChannelPlay(stream, FALSE);
    SleepMs(120);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 352800u);
    BASS_ChannelPlay(stream, FALSE);
    SleepMs(10);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 352800u);
    // A move past the end while playing ends the stream at once.
    BASS_ChannelSetPosition(stream, 0, BASS_POS_BYTE);
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, 7.0), BASS_POS_BYTE);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 352800u);
}

TEST_F(BassStream, SpectrumOfASineCentredOnABin) {
    const int bin = 12;
    OggShape shape;
    shape.quality = 1.0f;
    ASSERT_GT(WriteSineOgg(dir.Path("sine.ogg"), shape, bin * 44100.0 / 256.0, 1.0), 0u);
    HSTREAM stream = Open(dir.Path("sine.ogg"));
    ASSERT_NE(stream, 0u);
    float data[256];
    for (float& value : data)
        value = -7.0f;
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, 0.5), BASS_POS_BYTE);
    EXPECT_EQ(BASS_ChannelGetData(stream, data, BASS_DATA_FFT256), 512u);
    EXPECT_NEAR(data[bin], 0.5f, 0.03f);
    EXPECT_LT(data[bin + 4], 0.01f);
    for (int i = 128; i < 256; ++i)
        ASSERT_EQ(data[i], -7.0f) << i;
    BASS_ChannelSetPosition(stream, 0, BASS_POS_BYTE);
    BASS_ChannelGetData(stream, data, BASS_DATA_FFT256);
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(data[i], 0.0f) << i;
}

} // namespace
