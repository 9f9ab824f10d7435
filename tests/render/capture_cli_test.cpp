// Captures for publication, through the built program: the lossless master
// and the chapters, as ffmpeg and ffprobe read them back.
#include "tests/render/pictures.h"
#include "tests/render/run_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kRender = ZENTRAFEL_RENDER;

CommandResult Render(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), kRender);
    return RunCommand(arguments);
}

// "codec_name,pix_fmt" of each stream, one line each.
std::string ProbeStreams(const std::string& file) {
    return RunCommand({"ffprobe", "-v", "error", "-show_entries", "stream=codec_name,pix_fmt",
                       "-of", "csv=p=0", file})
        .out;
}

struct ProbedChapter {
    std::string title;
    double start;
    double end;
};

std::vector<ProbedChapter> ProbeChapters(const std::string& file) {
    CommandResult r =
        RunCommand({"ffprobe", "-v", "error", "-show_entries",
                    "chapter=start_time,end_time:chapter_tags=title", "-of", "csv=p=0", file});
    std::vector<ProbedChapter> chapters;
    std::istringstream lines(r.out);
    std::string line;
    while (std::getline(lines, line)) {
        size_t first = line.find(',');
        size_t second = line.find(',', first + 1);
        if (second == std::string::npos)
            continue;
        chapters.push_back({line.substr(second + 1), std::atof(line.c_str()),
                            std::atof(line.c_str() + first + 1)});
    }
    return chapters;
}

} // namespace

TEST(CaptureCli, LosslessMasterHoldsTheStillsPixels) {
    // An odd size: the lossless codec keeps RGB, so nothing is halved.
    std::string dir = MakeTempDir();
    std::string video = dir + "/master.mkv";
    CommandResult r = Render({"--video", video, "--codec", "ffv1", "--from", "96.6", "--to", "97.0",
                              "--fps", "5", "--size", "161x91"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ProbeStreams(video), "ffv1,bgr0\nflac\n");
    ASSERT_EQ(Render({"--at", "96.6,96.8", "--size", "161x91", "--out", dir}).status, 0);

    for (auto [frame, still] :
         {std::pair<int, const char*>{0, "/096.600.png"}, {1, "/096.800.png"}}) {
        Picture decoded = DecodeVideoFrame(video, frame, 161, 91);
        Picture png = LoadPng(dir + still);
        ASSERT_FALSE(decoded.rgb.empty()) << "frame " << frame;
        ASSERT_EQ(png.width, 161);
        EXPECT_TRUE(decoded.rgb == png.rgb) << "frame " << frame << " against " << still;
        EXPECT_GT(png.LitPixels(), 161 * 91 / 50) << "a picture, not black against black";
    }
}

TEST(CaptureCli, ChaptersNameTheSectionsInsideTheStretch) {
    std::string video = MakeTempDir() + "/stretch.mp4";
    CommandResult r =
        Render({"--video", video, "--codec", "hevc", "--crf", "30", "--preset", "ultrafast",
                "--from", "40", "--to", "90", "--fps", "1", "--size", "32x18"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ProbeStreams(video).substr(0, 13), "hevc,yuv420p\n");

    // Video time 0 is music time 40: the title starts 2.6 s in, the grid
    // 24.6 s in; the opening is already under way when the stretch begins.
    std::vector<ProbedChapter> chapters = ProbeChapters(video);
    ASSERT_EQ(chapters.size(), 4u);
    const ProbedChapter expected[] = {{"opening", 0.0, 2.6},
                                      {"title", 2.6, 24.6},
                                      {"wave grid", 24.6, 45.6},
                                      {"greetings", 45.6, 50.0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(chapters[i].title, expected[i].title);
        EXPECT_NEAR(chapters[i].start, expected[i].start, 1e-3) << expected[i].title;
        EXPECT_NEAR(chapters[i].end, expected[i].end, 1e-3) << expected[i].title;
    }
}

TEST(CaptureCli, ContainerThatDoesNotFitTheCodecIsRefusedWithItsReason) {
    CommandResult mp4 = Render({"--video", "lossless.mp4", "--codec", "ffv1", "--to", "1"});
    EXPECT_EQ(mp4.status, 2);
    EXPECT_NE(mp4.err.find(".mkv"), std::string::npos) << mp4.err;
    CommandResult mkv = Render({"--video", "upload.mkv", "--codec", "h264", "--to", "1"});
    EXPECT_EQ(mkv.status, 2);
    EXPECT_NE(mkv.err.find(".mp4"), std::string::npos) << mkv.err;
    EXPECT_TRUE(ReadFile("lossless.mp4").empty() && ReadFile("upload.mkv").empty());
}
