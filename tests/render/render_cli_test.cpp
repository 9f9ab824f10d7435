// zentrafel-render run as a program: its exit statuses, its files and what
// they hold. Small sizes and few frames keep each run to a second or two.
#include "tests/render/pictures.h"
#include "tests/support/run_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kRender = ZENTRAFEL_RENDER;

CommandResult Render(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), kRender);
    return RunCommand(arguments);
}

double ProbeNumber(const std::string& file, const std::string& stream, const std::string& entry) {
    CommandResult r = RunCommand({"ffprobe", "-v", "error", "-count_frames", "-select_streams",
                                  stream, "-show_entries", "stream=" + entry, "-of",
                                  "default=noprint_wrappers=1:nokey=1", file});
    return r.status == 0 && !r.out.empty() ? std::atof(r.out.c_str()) : -1.0;
}

} // namespace

TEST(RenderCli, BadArgumentsExitTwoWithReasonAndUsage) {
    for (std::vector<std::string> arguments : {
             std::vector<std::string>{},
             {"--at", "five"},
             {"--at", "1", "--fps", "30"},
             {"--size", "640by360", "--bench"},
             {"--video", "a.mp4", "--size", "641x360"},
             {"--from", "3", "--to", "2"},
             {"--wobble"},
             {"--video", "a.mp4", "--segment", "0/4"},
             {"--video", "a.mp4", "--segment", "5/4"},
             {"--video", "a.mp4", "--segment", "1/0"},
         }) {
        CommandResult r = Render(arguments);
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_NE(r.err.find("zentrafel-render: "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("usage: zentrafel-render"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << "nothing loaded, so nothing on stdout";
    }
    CommandResult help = Render({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: zentrafel-render"), std::string::npos);
}

TEST(RenderCli, FromPastTheEndOfTheMusicIsABadArgument) {
    CommandResult r = Render({"--from", "100000", "--size", "32x18", "--out", MakeTempDir()});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("end of the music"), std::string::npos) << r.err;
}

TEST(RenderCli, MoreSegmentsThanFramesIsABadArgument) {
    // 40 to 40.1 s at 30 fps holds three frames: a fourth segment would be empty.
    CommandResult r = Render({"--video", MakeTempDir() + "/s.mp4", "--segment", "1/4", "--from",
                              "40", "--to", "40.1", "--size", "32x18"});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("fewer frames than segments"), std::string::npos) << r.err;
}

TEST(RenderCli, StillsAreByteIdenticalAcrossRuns) {
    std::string first = MakeTempDir();
    std::string second = MakeTempDir();
    for (const std::string& dir : {first, second}) {
        CommandResult r = Render({"--at", "20.0,100.0", "--size", "160x90", "--out", dir});
        ASSERT_EQ(r.status, 0) << r.out << r.err;
    }
    for (const char* name : {"/020.000.png", "/100.000.png"}) {
        std::string a = ReadFile(first + name);
        ASSERT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == ReadFile(second + name)) << name;
        Picture p = LoadPng(first + name);
        EXPECT_EQ(p.width, 160);
        EXPECT_EQ(p.height, 90);
        EXPECT_GT(p.LitPixels(), 160 * 90 / 50) << name << ": a viewer would see a picture";
    }
    EXPECT_NE(ReadFile(first + "/020.000.png"), ReadFile(first + "/100.000.png"));
}

// Passes that provably change no pixel are left out (a fade at alpha 0, a
// strip at level 0) or drawn only where their image has content (scissored
// image quads); --all-passes draws them all whole. The pictures must not
// tell the two apart: every section, each side of each boundary and of the
// fades and strips inside them. A fade is left out at alpha 0 only: each
// fade's alpha is also sampled a little under 0.01 (9.91 and 61.625 s on
// the straight fades, the eased ones 6 % of their span from the black-free
// end: 83.72, 87.48, 169.12, 180.4, 181.3 s), where a skip taken too early
// leaves the picture up to 1 % too bright.
TEST(RenderCli, LeavingOutPassesThatDrawNothingChangesNoPixel) {
    const std::string times =
        "0,0.5,5,9.9,9.91,10.1,20,42.5,42.6,42.601,44,46.6,53,61.5,61.625,63,64.5,64.6,64.7,66,"
        "66.5,66.7,70,76,80,83.6,83.72,85.5,85.6,85.7,86.5,87.48,87.6,95.5,96.6,97.5,104.5,120,"
        "140,148.9,149,149.1,160,169.12,170.9,171,171.1,176,180.4,181,181.3,186,192";
    const std::string saving = MakeTempDir();
    const std::string whole = MakeTempDir();
    for (const std::string& dir : {saving, whole}) {
        std::vector<std::string> arguments = {"--at", times, "--size", "640x360", "--out", dir};
        if (dir == whole)
            arguments.push_back("--all-passes");
        CommandResult r = Render(arguments);
        ASSERT_EQ(r.status, 0) << r.err;
    }
    size_t start = 0, compared = 0;
    while (start < times.size()) {
        size_t comma = times.find(',', start);
        char name[32];
        std::snprintf(name, sizeof name, "/%07.3f.png",
                      std::stod(times.substr(start, comma - start)));
        const Picture a = LoadPng(saving + name);
        ASSERT_EQ(a.width, 640) << name;
        EXPECT_TRUE(a.rgb == LoadPng(whole + name).rgb) << name << " differs";
        ++compared;
        start = comma == std::string::npos ? times.size() : comma + 1;
    }
    EXPECT_EQ(compared, 53u);
}

TEST(RenderCli, OtherProportionsAreLetterboxedLikeAWindow) {
    // 160 × 120 holds a 160 × 90 picture with 15 black rows above and below.
    std::string dir = MakeTempDir();
    CommandResult r = Render({"--at", "100", "--size", "160x120", "--out", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    Picture p = LoadPng(dir + "/100.000.png");
    ASSERT_EQ(p.height, 120);
    for (int y = 0; y < 15; ++y) {
        EXPECT_TRUE(p.RowIsBlack(y)) << "top bar row " << y;
        EXPECT_TRUE(p.RowIsBlack(119 - y)) << "bottom bar row " << 119 - y;
    }
    int litRows = 0;
    for (int y = 15; y < 105; ++y)
        litRows += !p.RowIsBlack(y);
    EXPECT_GT(litRows, 45) << "the picture fills the middle";
}

TEST(RenderCli, SequenceFramesAreTheStillsAtTheirTimes) {
    std::string dir = MakeTempDir();
    CommandResult r =
        Render({"--from", "20", "--to", "20.2", "--fps", "10", "--size", "64x36", "--out", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("2/2 frames"), std::string::npos) << "progress: " << r.err;
    EXPECT_FALSE(ReadFile(dir + "/000000.png").empty());
    EXPECT_TRUE(ReadFile(dir + "/000002.png").empty()) << "20.2 lies outside [20, 20.2)";

    std::string stills = MakeTempDir();
    ASSERT_EQ(Render({"--at", "20.1", "--size", "64x36", "--out", stills}).status, 0);
    EXPECT_TRUE(ReadFile(dir + "/000001.png") == ReadFile(stills + "/020.100.png"))
        << "frame 1 of a 10 fps sequence from 20 s is the picture at 20.1 s";
}

TEST(RenderCli, VideoHasTheFramesTheDurationAndTheMusic) {
    std::string video = MakeTempDir() + "/clip.mp4";
    CommandResult r = Render(
        {"--video", video, "--from", "20", "--to", "20.5", "--fps", "10", "--size", "128x72"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ProbeNumber(video, "v:0", "nb_read_frames"), 5.0);
    EXPECT_NEAR(ProbeNumber(video, "v:0", "duration"), 0.5, 1e-3);
    EXPECT_EQ(ProbeNumber(video, "v:0", "width"), 128.0);
    double audio = ProbeNumber(video, "a:0", "duration");
    EXPECT_NEAR(audio, 0.5, 0.05) << "the music of the same stretch";
}

TEST(RenderCli, VideoWithoutFfmpegSaysSo) {
    std::string video = MakeTempDir() + "/clip.mp4";
    CommandResult r = RunCommand({"/usr/bin/env", "PATH=/nonexistent", kRender, "--video", video,
                                  "--to", "1", "--size", "64x36"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ffmpeg"), std::string::npos) << r.err;
    EXPECT_TRUE(ReadFile(video).empty());
}

TEST(RenderCli, StartupFailureEndsAsTheProductionDoes) {
    // Run where there is no ./resource/: the first loader start-up depends on
    // fails, and the status is the production's -1.
    std::string empty = MakeTempDir();
    CommandResult r = RunCommand({kRender, "--at", "1", "--size", "64x36"}, empty);
    EXPECT_EQ(r.status, 255) << r.out << r.err;
    EXPECT_TRUE(ReadFile(empty + "/001.000.png").empty());
}

TEST(RenderCli, ListsTheSoftwareDeviceWhichDrawsTheDefaultStill) {
    CommandResult list = Render({"--list-devices"});
    ASSERT_EQ(list.status, 0) << list.err;
    // "N  VENDOR  software": Mesa's device, listed beside any GPU.
    const size_t software = list.out.find("  software");
    ASSERT_NE(software, std::string::npos) << list.out;
    const size_t lineStart = list.out.rfind('\n', software) + 1;
    const std::string index = list.out.substr(lineStart, list.out.find(' ', lineStart) - lineStart);

    std::string reference;
    for (const char* device : {"auto", "software", "surfaceless", index.c_str()}) {
        std::string dir = MakeTempDir();
        std::vector<std::string> arguments = {"--at", "100", "--size", "160x90", "--out", dir};
        if (std::string(device) != "auto")
            arguments.insert(arguments.end(), {"--device", device});
        CommandResult r = Render(arguments);
        ASSERT_EQ(r.status, 0) << device << ": " << r.err;
        const std::string still = ReadFile(dir + "/100.000.png");
        ASSERT_FALSE(still.empty()) << device;
        if (reference.empty())
            reference = still;
        EXPECT_TRUE(still == reference) << "--device " << device << " draws another picture";
    }
}

TEST(RenderCli, AMissingDeviceIsAStartupFailure) {
    CommandResult r =
        Render({"--at", "1", "--size", "32x18", "--device", "99", "--out", MakeTempDir()});
    EXPECT_EQ(r.status, 255) << r.err;
    EXPECT_NE(r.err.find("no EGL display"), std::string::npos) << r.err;
}
