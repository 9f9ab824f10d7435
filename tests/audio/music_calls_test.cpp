// Music against the scripted fake library: which calls it makes, in which
// order, with which arguments, and what it prints and returns on each failure.
#include "audio/music.h"
#include "tests/audio/fake_bass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const Calls kLoadCalls = {
    "BASS_GetVersion()",
    "BASS_Init(-1, 44100, 0, null, null)",
    "BASS_Start()",
    "BASS_StreamCreateFile(0, ./resource/noise.ogg, 0, 0, 0)",
    "BASS_ChannelGetLength(7, 0)",
    "BASS_ChannelBytes2Seconds(7, 1764000)",
    "BASS_ErrorGetCode()",
};

struct LoadResult {
    bool ok;
    std::string printed;
};

LoadResult Load(Music& music) {
    testing::internal::CaptureStdout();
    bool ok = music.Load("./resource/noise.ogg");
    return {ok, testing::internal::GetCapturedStdout()};
}

class MusicLoad : public testing::Test {
  protected:
    void SetUp() override { ResetFake(); }
    Music music{};
};

TEST_F(MusicLoad, SucceedsWithEveryCallInOrder) {
    LoadResult result = Load(music);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.printed, "");
    EXPECT_EQ(fakeCalls, kLoadCalls);
    EXPECT_EQ(music.stream, 7u);
    EXPECT_DOUBLE_EQ(music.length, 10.0);
}

TEST_F(MusicLoad, AcceptsVersion24WithAnyRevision) {
    for (DWORD version : {0x02040000u, 0x02040011u, 0x0204ffffu}) {
        ResetFake();
        fakeScript.version = version;
        EXPECT_TRUE(Load(music).ok) << std::hex << version;
    }
}

TEST_F(MusicLoad, OtherVersionsStopAtOnce) {
    for (DWORD version : {0x02030000u, 0x02050000u, 0x01040000u, 0x00000204u}) {
        ResetFake();
        fakeScript.version = version;
        LoadResult result = Load(music);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.printed, "BASS_GetVersion Error");
        EXPECT_EQ(fakeCalls, Calls{"BASS_GetVersion()"});
    }
}

TEST_F(MusicLoad, FallsBackToTheNoSoundDevice) {
    fakeScript.initDefault = FALSE;
    fakeScript.codes["BASS_Init(-1)"] = BASS_ERROR_DEVICE;
    LoadResult result = Load(music);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.printed, "");
    ASSERT_GE(fakeCalls.size(), 4u);
    EXPECT_EQ(fakeCalls[1], "BASS_Init(-1, 44100, 0, null, null)");
    EXPECT_EQ(fakeCalls[2], "BASS_Init(0, 44100, 0, null, null)");
    EXPECT_EQ(fakeCalls[3], "BASS_Start()");
}

TEST_F(MusicLoad, BothDevicesFailingPrintsTheLastError) {
    fakeScript.initDefault = FALSE;
    fakeScript.initNoSound = FALSE;
    fakeScript.codes["BASS_Init(-1)"] = BASS_ERROR_DEVICE;
    fakeScript.codes["BASS_Init(0)"] = BASS_ERROR_DRIVER;
    LoadResult result = Load(music);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, "can't find a free/valid driver");
    EXPECT_EQ(fakeCalls.back(), "BASS_ErrorGetCode()");
    EXPECT_EQ(fakeCalls.size(), 4u);
}

TEST_F(MusicLoad, StartFailingPrintsItsError) {
    fakeScript.start = FALSE;
    fakeScript.codes["BASS_Start"] = BASS_ERROR_INIT;
    LoadResult result = Load(music);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, "BASS_Init has not been successfully called");
    EXPECT_EQ(fakeCalls.back(), "BASS_ErrorGetCode()");
    EXPECT_EQ(fakeCalls[fakeCalls.size() - 2], "BASS_Start()");
}

TEST_F(MusicLoad, UnopenableFilePrintsWithoutLineEndAndKeepsStreamZero) {
    fakeScript.stream = 0;
    fakeScript.codes["BASS_StreamCreateFile"] = BASS_ERROR_FILEOPEN;
    LoadResult result = Load(music);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, "can't open the file");
    EXPECT_EQ(music.stream, 0u);
    EXPECT_EQ(fakeCalls.back(), "BASS_ErrorGetCode()");
}

// A call failing with a code that has no text prints nothing, yet fails the load...
TEST_F(MusicLoad, TextlessCodeStillFailsAStep) {
    fakeScript.initDefault = FALSE;
    fakeScript.initNoSound = FALSE;
    fakeScript.codes["BASS_Init(0)"] = 10;
    LoadResult result = Load(music);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, "");
}

// ...and the final check only asks whether the last code has a text.
TEST_F(MusicLoad, FinalCheckReadsTheLastCallsCode) {
    fakeScript.codes["BASS_ChannelBytes2Seconds"] = 10;
    EXPECT_TRUE(Load(music).ok);
    ResetFake();
    fakeScript.codes["BASS_ChannelBytes2Seconds"] = BASS_ERROR_HANDLE;
    LoadResult result = Load(music);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.printed, "");
}

struct CodeText {
    int code;
    const char* text;
};

const CodeText kTable[] = {
    {-1, "some other mystery problem"},
    {1, "memory error"},
    {2, "can't open the file"},
    {3, "can't find a free/valid driver"},
    {4, "the sample buffer was lost"},
    {5, "invalid handle"},
    {6, "unsupported sample format"},
    {7, "invalid position"},
    {8, "BASS_Init has not been successfully called"},
    {9, "BASS_Start has not been successfully called"},
    {14, "already initialized/paused/whatever"},
    {18, "can't get a free channel"},
    {19, "an illegal type was specified"},
    {20, "an illegal parameter was specified"},
    {21, "no 3D support"},
    {22, "no EAX support"},
    {23, "illegal device number"},
    {24, "not playing"},
    {25, "illegal sample rate"},
    {27, "the stream is not a file stream"},
    {29, "no hardware voices available"},
    {31, "the MOD music has no sequence data"},
    {32, "no internet connection could be opened"},
    {33, "couldn't create the file"},
    {34, "effects are not available"},
    {37, "requested data is not available"},
    {38, "the channel is a \"decoding channel\""},
    {39, "a sufficient DirectX version is not installed"},
    {40, "connection timedout"},
    {41, "unsupported file format"},
    {42, "unavailable speaker"},
    {43, "invalid BASS version (used by add-ons)"},
    {44, "codec is not available/supported"},
    {45, "the channel/file has ended"},
};

std::string TextFor(int code) {
    ResetFake();
    fakeScript.codes["BASS_Start"] = code;
    BASS_Start();
    return Music::ErrorText();
}

TEST(MusicErrorText, GivesTheTextOfEveryCodeInTheTable) {
    for (const CodeText& entry : kTable)
        EXPECT_EQ(TextFor(entry.code), entry.text) << "code " << entry.code;
}

TEST(MusicErrorText, IsEmptyForNoErrorAndCodesWithoutText) {
    for (int code : {0, 10, 11, 12, 13, 15, 16, 17, 26, 28, 30, 35, 36, -2, -1000, 46, 1000})
        EXPECT_EQ(TextFor(code), "") << "code " << code;
}

class MusicCalls : public testing::Test {
  protected:
    void SetUp() override {
        ResetFake();
        music.stream = 7;
        music.length = 10.0;
        fakeSpectrum = music.spectrum;
    }
    Music music{};
};

TEST_F(MusicCalls, PositionConvertsTheBytePosition) {
    fakeScript.positionBytes = 352800;
    EXPECT_DOUBLE_EQ(music.Position(), 2.0);
    EXPECT_EQ(fakeCalls,
              (Calls{"BASS_ChannelGetPosition(7, 0)", "BASS_ChannelBytes2Seconds(7, 352800)"}));
}

TEST_F(MusicCalls, SeekByPassesAnUnclampedTarget) {
    fakeScript.positionBytes = 352800; // 2 s
    music.SeekBy(-5.0);
    EXPECT_EQ(fakeCalls,
              (Calls{"BASS_ChannelGetPosition(7, 0)", "BASS_ChannelBytes2Seconds(7, 352800)",
                     "BASS_ChannelSeconds2Bytes(7, -3)", "BASS_ChannelSetPosition(7, 0, 0)"}));
    ResetFake();
    fakeScript.positionBytes = 9 * 176400;
    music.SeekBy(5.0);
    EXPECT_EQ(fakeCalls[2], "BASS_ChannelSeconds2Bytes(7, 14)");
    EXPECT_EQ(fakeCalls[3], "BASS_ChannelSetPosition(7, 2469600, 0)");
}

TEST_F(MusicCalls, SetPositionConvertsAndSets) {
    music.SetPosition(1.25);
    EXPECT_EQ(fakeCalls, (Calls{"BASS_ChannelSeconds2Bytes(7, 1.25)",
                                "BASS_ChannelSetPosition(7, 220500, 0)"}));
}

// Play never restarts; results of these calls are ignored and print nothing.
TEST_F(MusicCalls, PlayStopAndSpectrumMakeOneCallEach) {
    testing::internal::CaptureStdout();
    music.Play();
    music.Stop();
    music.ReadSpectrum();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(fakeCalls, (Calls{"BASS_ChannelPlay(7, 0)", "BASS_ChannelStop(7)",
                                "BASS_ChannelGetData(7, spectrum, 2147483648)"}));
}

} // namespace
