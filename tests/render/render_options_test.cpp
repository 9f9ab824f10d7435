#include "tools/render/render_options.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct Parsed {
    bool ok;
    RenderOptions options;
    std::string error;
};

Parsed Parse(std::initializer_list<const char*> arguments) {
    std::vector<std::string> storage = {"zentrafel-render"};
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& s : storage)
        argv.push_back(&s[0]);
    Parsed parsed;
    parsed.ok = ParseRenderOptions(static_cast<int>(argv.size()), argv.data(), parsed.options,
                                   parsed.error);
    return parsed;
}

} // namespace

TEST(RenderOptions, StillsKeepTheTimesInTheOrderGiven) {
    Parsed p = Parse({"--at", "5.0,42.6,96.6", "--out", "shots", "--size", "640x480"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.mode, RenderMode::Stills);
    EXPECT_EQ(p.options.stillTimes, (std::vector<double>{5.0, 42.6, 96.6}));
    EXPECT_EQ(p.options.outDir, "shots");
    EXPECT_EQ(p.options.width, 640);
    EXPECT_EQ(p.options.height, 480);
}

TEST(RenderOptions, EachModeTakesItsDefaults) {
    Parsed sequence = Parse({"--from", "10", "--fps", "25"});
    ASSERT_TRUE(sequence.ok) << sequence.error;
    EXPECT_EQ(sequence.options.mode, RenderMode::Sequence);
    EXPECT_EQ(sequence.options.from, 10.0);
    EXPECT_LT(sequence.options.to, 0.0) << "no --to: the end of the music";
    EXPECT_EQ(sequence.options.fps, 25);
    EXPECT_EQ(sequence.options.outDir, ".");

    Parsed video = Parse({"--video=out.mp4", "--to=12.5"});
    ASSERT_TRUE(video.ok) << video.error;
    EXPECT_EQ(video.options.mode, RenderMode::Video);
    EXPECT_EQ(video.options.videoPath, "out.mp4");
    EXPECT_EQ(video.options.from, 0.0);
    EXPECT_EQ(video.options.to, 12.5);
    EXPECT_EQ(video.options.fps, 30);
    EXPECT_EQ(video.options.width, 1920);
    EXPECT_EQ(video.options.height, 1080);

    EXPECT_EQ(Parse({"--bench", "--size", "640x360"}).options.mode, RenderMode::Bench);
    Parsed help = Parse({"--at", "nonsense", "--help"});
    EXPECT_FALSE(help.ok) << "arguments before --help are still checked";
    EXPECT_EQ(Parse({"--help", "--at", "nonsense"}).options.mode, RenderMode::Help);
}

TEST(RenderOptions, RejectsMalformedValues) {
    for (auto arguments : {
             std::initializer_list<const char*>{"--at", "5.0,,6"},
             {"--at", "5.0,"},
             {"--at", "-1"},
             {"--at", "nan"},
             {"--at", "inf"},
             {"--at", "4s"},
             {"--from", "", "--to", "3"},
             {"--fps", "0"},
             {"--fps", "30.5"},
             {"--fps", "-30"},
             {"--fps", "241"},
             {"--size", "1920"},
             {"--size", "1920x"},
             {"--size", "x1080"},
             {"--size", "8x8", "--bench"},
             {"--size", "9000x100", "--bench"},
             {"--size", "64x-36", "--bench"},
             {"--out", "", "--at", "1"},
             {"--at"},
             {"--frobnicate"},
             {"-x"},
             {"--bench=yes"},
             {"--video", "a.mp4", "--segment", "0/4"},
             {"--video", "a.mp4", "--segment", "5/4"},
             {"--video", "a.mp4", "--segment", "1/0"},
             {"--video", "a.mp4", "--segment", "-1/4"},
             {"--video", "a.mp4", "--segment", "1/-4"},
             {"--video", "a.mp4", "--segment", "2"},
             {"--video", "a.mp4", "--segment", "2/"},
             {"--video", "a.mp4", "--segment", "/4"},
             {"--video", "a.mp4", "--segment", "1.5/4"},
             {"--video", "a.mp4", "--segment", "1/4/8"},
         }) {
        Parsed p = Parse(arguments);
        EXPECT_FALSE(p.ok) << *arguments.begin() << " " << *(arguments.end() - 1);
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(RenderOptions, SegmentIsOnePartOfAVideo) {
    Parsed last = Parse({"--video", "s.mp4", "--segment", "4/4", "--from", "40", "--to", "46"});
    ASSERT_TRUE(last.ok) << last.error;
    EXPECT_EQ(last.options.mode, RenderMode::Video);
    EXPECT_EQ(last.options.segment, 4);
    EXPECT_EQ(last.options.segments, 4);
    Parsed only = Parse({"--video", "s.mp4", "--segment=1/1"});
    ASSERT_TRUE(only.ok) << only.error;
    EXPECT_EQ(only.options.segment, 1);
    Parsed whole = Parse({"--video", "s.mp4"});
    EXPECT_EQ(whole.options.segments, 0) << "no --segment: the whole stretch";

    Parsed stills = Parse({"--segment", "1/2", "--from", "3"});
    EXPECT_FALSE(stills.ok) << "segments are of videos only";
    EXPECT_NE(stills.error.find("--video"), std::string::npos) << stills.error;
    Parsed beyond = Parse({"--video", "s.mp4", "--segment", "5/4"});
    EXPECT_NE(beyond.error.find("K/N"), std::string::npos) << beyond.error;
}

TEST(RenderOptions, RejectsOptionsThatContradictOrDoNothing) {
    EXPECT_FALSE(Parse({}).ok) << "no mode";
    EXPECT_FALSE(Parse({"--size", "640x360"}).ok) << "a size alone renders nothing";
    EXPECT_FALSE(Parse({"--at", "1", "--fps", "30"}).ok);
    EXPECT_FALSE(Parse({"--at", "1", "--bench"}).ok);
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--bench"}).ok);
    EXPECT_FALSE(Parse({"--bench", "--from", "3"}).ok);
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--out", "d"}).ok);
    EXPECT_FALSE(Parse({"--from", "5", "--to", "5"}).ok);
    EXPECT_FALSE(Parse({"--from", "6", "--to", "5"}).ok);
    EXPECT_FALSE(Parse({"--fps", "30", "--fps", "25"}).ok) << "given twice";
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--size", "641x360"}).ok) << "odd width";
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--size", "640x361"}).ok) << "odd height";
    EXPECT_TRUE(Parse({"--at", "1", "--size", "641x361"}).ok) << "PNGs take odd sizes";

    Parsed sameName = Parse({"--at", "1.0001,1.0002"});
    EXPECT_FALSE(sameName.ok);
    EXPECT_NE(sameName.error.find("001.000.png"), std::string::npos) << sameName.error;
}

TEST(RenderOptions, VideoCodecQualityAndContainer) {
    Parsed plain = Parse({"--video", "a.mp4"});
    ASSERT_TRUE(plain.ok) << plain.error;
    EXPECT_EQ(plain.options.codec, VideoCodec::H264);
    EXPECT_LT(plain.options.crf, 0) << "the encoder's default";
    EXPECT_EQ(plain.options.preset, "");

    Parsed hevc = Parse({"--video", "a.mp4", "--codec", "hevc", "--crf", "0", "--preset", "slow"});
    ASSERT_TRUE(hevc.ok) << hevc.error;
    EXPECT_EQ(hevc.options.codec, VideoCodec::Hevc);
    EXPECT_EQ(hevc.options.crf, 0);
    EXPECT_EQ(hevc.options.preset, "slow");

    Parsed lossless = Parse({"--video", "a.mkv", "--codec=ffv1", "--size", "641x361"});
    ASSERT_TRUE(lossless.ok) << "RGB has no halved planes: " << lossless.error;
    EXPECT_EQ(lossless.options.codec, VideoCodec::Ffv1);

    EXPECT_FALSE(Parse({"--video", "a.mp4", "--codec", "vp9"}).ok);
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--crf", "52"}).ok);
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--crf", "-1"}).ok);
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--preset", "quick"}).ok);
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--codec", "hevc", "--size", "641x360"}).ok);
    EXPECT_FALSE(Parse({"--video", "a.mkv", "--codec", "ffv1", "--crf", "10"}).ok)
        << "lossless has no quality to set";
    EXPECT_FALSE(Parse({"--at", "1", "--codec", "hevc"}).ok) << "stills have no codec";
    EXPECT_FALSE(Parse({"--video", "a.mkv"}).ok) << "h264 goes in .mp4";
    EXPECT_FALSE(Parse({"--video", "a.mp4", "--codec", "ffv1"}).ok) << "ffv1 goes in .mkv";
    Parsed mkvReason = Parse({"--video", "a.mp4", "--codec", "ffv1"});
    EXPECT_NE(mkvReason.error.find("FFV1"), std::string::npos) << mkvReason.error;
}

TEST(RenderOptions, MotionBlurAndShutter) {
    Parsed plain = Parse({"--at", "1"});
    EXPECT_EQ(plain.options.motionBlur, 1);
    EXPECT_EQ(plain.options.shutter, 0.5);

    Parsed video = Parse({"--video", "a.mp4", "--motion-blur", "64", "--shutter", "0.25"});
    ASSERT_TRUE(video.ok) << video.error;
    EXPECT_EQ(video.options.motionBlur, 64);
    EXPECT_EQ(video.options.shutter, 0.25);

    Parsed still = Parse({"--at", "100", "--motion-blur", "8", "--fps", "60"});
    ASSERT_TRUE(still.ok) << "--fps sets a blurred still's frame interval: " << still.error;
    EXPECT_EQ(still.options.mode, RenderMode::Stills);
    EXPECT_EQ(still.options.fps, 60);

    for (auto arguments : {
             std::initializer_list<const char*>{"--at", "1", "--motion-blur", "0"},
             {"--at", "1", "--motion-blur", "65"},
             {"--at", "1", "--motion-blur", "2", "--shutter", "0"},
             {"--at", "1", "--motion-blur", "2", "--shutter", "1.5"},
             {"--at", "1", "--motion-blur", "2", "--shutter", "half"},
             {"--at", "1", "--shutter", "0.5"},
             {"--bench", "--motion-blur", "4"},
         }) {
        Parsed p = Parse(arguments);
        EXPECT_FALSE(p.ok) << *(arguments.end() - 2) << " " << *(arguments.end() - 1);
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(RenderOptions, ContactSheet) {
    Parsed sheet = Parse({"--contact-sheet", "sheet.png"});
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.options.mode, RenderMode::ContactSheet);
    EXPECT_EQ(sheet.options.sheetPath, "sheet.png");
    EXPECT_EQ(sheet.options.sheetColumns, 6);
    EXPECT_EQ(sheet.options.sheetCount, 24);
    EXPECT_EQ(sheet.options.width, 640) << "frames of 640x360 make cells of 320x180";
    EXPECT_EQ(sheet.options.height, 360);

    Parsed chosen = Parse({"--contact-sheet", "s.png", "--columns", "4", "--count", "12", "--from",
                           "40", "--to", "90", "--size", "320x180"});
    ASSERT_TRUE(chosen.ok) << chosen.error;
    EXPECT_EQ(chosen.options.sheetColumns, 4);
    EXPECT_EQ(chosen.options.sheetCount, 12);
    EXPECT_EQ(chosen.options.width, 320);
    EXPECT_EQ(chosen.options.to, 90.0);

    for (auto arguments : {
             std::initializer_list<const char*>{"--contact-sheet", "sheet.jpg"},
             {"--contact-sheet", "s.png", "--columns", "0"},
             {"--contact-sheet", "s.png", "--count", "401"},
             {"--contact-sheet", "s.png", "--size", "321x180"},
             {"--contact-sheet", "s.png", "--out", "d"},
             {"--contact-sheet", "s.png", "--fps", "30"},
             {"--contact-sheet", "s.png", "--at", "3"},
             {"--at", "3", "--columns", "3"},
             {"--video", "a.mp4", "--count", "3"},
         }) {
        Parsed p = Parse(arguments);
        EXPECT_FALSE(p.ok) << *(arguments.end() - 2) << " " << *(arguments.end() - 1);
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(RenderOptions, Supersample) {
    EXPECT_EQ(Parse({"--at", "1"}).options.supersample, 1);
    Parsed video = Parse({"--video", "a.mp4", "--supersample", "4"});
    ASSERT_TRUE(video.ok) << video.error;
    EXPECT_EQ(video.options.supersample, 4);
    EXPECT_TRUE(Parse({"--contact-sheet", "s.png", "--supersample", "2"}).ok);
    EXPECT_FALSE(Parse({"--at", "1", "--supersample", "0"}).ok);
    EXPECT_FALSE(Parse({"--at", "1", "--supersample", "5"}).ok);
    EXPECT_FALSE(Parse({"--bench", "--supersample", "2"}).ok) << "the benchmark times plain frames";
}
TEST(RenderOptions, DeviceAndEncoderChoices) {
    Parsed bench = Parse({"--bench", "--device", "1"});
    ASSERT_TRUE(bench.ok) << bench.error;
    EXPECT_EQ(bench.options.device.kind, GlDeviceChoice::Index);
    EXPECT_EQ(bench.options.device.index, 1);
    EXPECT_EQ(Parse({"--at", "1"}).options.device.kind, GlDeviceChoice::Auto) << "the default";
    EXPECT_EQ(Parse({"--at", "1", "--device=software"}).options.device.kind,
              GlDeviceChoice::Software);

    Parsed video = Parse({"--video", "a.mp4", "--encoder", "h264_nvenc"});
    ASSERT_TRUE(video.ok) << video.error;
    EXPECT_EQ(video.options.encoder, "h264_nvenc");
    EXPECT_EQ(Parse({"--video", "a.mp4"}).options.encoder, "libx264") << "the default";

    Parsed list = Parse({"--list-devices"});
    ASSERT_TRUE(list.ok) << list.error;
    EXPECT_EQ(list.options.mode, RenderMode::ListDevices);

    for (auto arguments : {std::initializer_list<const char*>{"--bench", "--device", "gpu"},
                           {"--bench", "--device", "-1"},
                           {"--bench", "--device", ""},
                           {"--video", "a.mp4", "--encoder", "x265"},
                           {"--at", "1", "--encoder", "libx264"},
                           {"--list-devices", "--size", "64x36"},
                           {"--list-devices", "--bench"}}) {
        Parsed p = Parse(arguments);
        EXPECT_FALSE(p.ok) << *arguments.begin() << " " << arguments.begin()[2];
        EXPECT_FALSE(p.error.empty());
    }
}
