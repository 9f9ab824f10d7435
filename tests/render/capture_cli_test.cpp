// Captures for publication, through the built program: the lossless master
// and the chapters, as ffmpeg and ffprobe read them back.
#include "tests/render/pictures.h"
#include "tests/support/run_command.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    EXPECT_NE(r.err.find("times its length; ffv1)"), std::string::npos) << r.err;
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

TEST(MotionBlur, OneSubframeIsThePlainFrame) {
    std::string plain = MakeTempDir();
    std::string one = MakeTempDir();
    ASSERT_EQ(Render({"--at", "20,100", "--size", "160x90", "--out", plain}).status, 0);
    ASSERT_EQ(Render({"--at", "20,100", "--size", "160x90", "--out", one, "--motion-blur", "1",
                      "--shutter", "1"})
                  .status,
              0);
    for (const char* name : {"/020.000.png", "/100.000.png"}) {
        ASSERT_FALSE(ReadFile(plain + name).empty());
        EXPECT_TRUE(ReadFile(plain + name) == ReadFile(one + name)) << name;
    }
}

TEST(MotionBlur, StillPictureStaysAndMovingOneLiesBetweenItsSubframes) {
    // 8 frames a second, the shutter open half of it, 4 subframes: the
    // subframes of the frame at t lie at t + k / 64 s, exact in binary.
    std::string subframes = MakeTempDir();
    std::string blurred = MakeTempDir();
    ASSERT_EQ(Render({"--at", "100,100.015625,100.03125,100.046875,181", "--size", "160x90",
                      "--out", subframes})
                  .status,
              0);
    ASSERT_EQ(Render({"--at", "100,181", "--size", "160x90", "--out", blurred, "--motion-blur", "4",
                      "--fps", "8"})
                  .status,
              0);

    // The credits at full brightness do not move.
    Picture still = LoadPng(subframes + "/181.000.png");
    Picture stillBlurred = LoadPng(blurred + "/181.000.png");
    ASSERT_EQ(still.rgb.size(), stillBlurred.rgb.size());
    ASSERT_GT(still.LitPixels(), 160 * 90 / 50);
    for (size_t i = 0; i < still.rgb.size(); ++i)
        ASSERT_LE(std::abs(still.rgb[i] - stillBlurred.rgb[i]), 1) << "byte " << i;

    // The particle cloud turns: the blurred frame is not the plain one, and
    // every byte is between the least and greatest of its subframes.
    Picture moving = LoadPng(blurred + "/100.000.png");
    std::vector<Picture> parts;
    for (const char* name : {"/100.000.png", "/100.016.png", "/100.031.png", "/100.047.png"})
        parts.push_back(LoadPng(subframes + name));
    int changed = 0;
    for (size_t i = 0; i < moving.rgb.size(); ++i) {
        int low = 255, high = 0;
        for (const Picture& p : parts) {
            ASSERT_EQ(p.rgb.size(), moving.rgb.size());
            low = std::min<int>(low, p.rgb[i]);
            high = std::max<int>(high, p.rgb[i]);
        }
        ASSERT_GE(moving.rgb[i], low) << "byte " << i;
        ASSERT_LE(moving.rgb[i], high) << "byte " << i;
        changed += moving.rgb[i] != parts[0].rgb[i];
    }
    EXPECT_GT(changed, static_cast<int>(moving.rgb.size() / 50))
        << "a moving picture is smeared over its subframes";
}

TEST(ContactSheet, GridOfHalvedStillsWithTheirTimes) {
    std::string dir = MakeTempDir();
    std::string sheetPath = dir + "/sheet.png";
    CommandResult r = Render({"--contact-sheet", sheetPath, "--size", "128x72", "--columns", "3",
                              "--count", "5", "--from", "20", "--to", "120"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Cells of 64x36 with a 2-pixel gap around and between them and a
    // 12-pixel label strip under each: 3 columns, 2 rows.
    Picture sheet = LoadPng(sheetPath);
    ASSERT_EQ(sheet.width, 2 + 3 * (64 + 2));
    ASSERT_EQ(sheet.height, 2 + 2 * (36 + 12 + 2));

    // The frames lie in the middles of five equal parts of [20, 120).
    ASSERT_EQ(Render({"--at", "30,50,70,90,110", "--size", "128x72", "--out", dir}).status, 0);
    const char* stills[] = {"/030.000.png", "/050.000.png", "/070.000.png", "/090.000.png",
                            "/110.000.png"};
    std::vector<int> labelInk;
    for (int i = 0; i < 5; ++i) {
        Picture still = LoadPng(dir + stills[i]);
        ASSERT_EQ(still.width, 128) << stills[i];
        int x0 = 2 + (i % 3) * 66;
        int y0 = 2 + (i / 3) * 50;
        for (int y = 0; y < 36; ++y) {
            for (int x = 0; x < 64; ++x) {
                for (int c = 0; c < 3; ++c) {
                    int sum = still.At(2 * x, 2 * y)[c] + still.At(2 * x + 1, 2 * y)[c] +
                              still.At(2 * x, 2 * y + 1)[c] + still.At(2 * x + 1, 2 * y + 1)[c];
                    ASSERT_EQ(sheet.At(x0 + x, y0 + y)[c], (sum + 2) / 4)
                        << stills[i] << " at " << x << "," << y;
                }
            }
        }
        int ink = 0;
        for (int y = y0 + 36; y < y0 + 48; ++y)
            for (int x = x0; x < x0 + 64; ++x)
                ink += sheet.At(x, y)[0];
        labelInk.push_back(ink);
        EXPECT_GT(ink, 64 * 12 * 10) << "a time under " << stills[i];
    }
    EXPECT_NE(labelInk[0], labelInk[1]) << "each cell its own time";
    for (int y = 52; y < sheet.height; ++y)
        for (int x = 2 + 2 * 66; x < sheet.width; ++x)
            ASSERT_EQ(sheet.At(x, y)[1], 0) << "the sixth cell is empty";
}

namespace {

double MeanDifference(const Picture& a, const Picture& b) {
    double sum = 0.0;
    for (size_t i = 0; i < a.rgb.size(); ++i)
        sum += std::abs(a.rgb[i] - b.rgb[i]);
    return sum / static_cast<double>(a.rgb.size());
}

// The variance of the 4-neighbour Laplacian of the grey picture: how much of
// it lies in the highest frequencies, where stair-stepped edges put it.
double LaplacianVariance(const Picture& p) {
    auto grey = [&p](int x, int y) {
        const unsigned char* c = p.At(x, y);
        return (c[0] + c[1] + c[2]) / 3.0;
    };
    double sum = 0.0, squares = 0.0;
    long count = 0;
    for (int y = 1; y + 1 < p.height; ++y) {
        for (int x = 1; x + 1 < p.width; ++x) {
            double l = grey(x - 1, y) + grey(x + 1, y) + grey(x, y - 1) + grey(x, y + 1) -
                       4.0 * grey(x, y);
            sum += l;
            squares += l * l;
            ++count;
        }
    }
    double mean = sum / count;
    return squares / count - mean * mean;
}

} // namespace

TEST(Supersample, FactorOneIsThePlainStill) {
    std::string plain = MakeTempDir();
    std::string one = MakeTempDir();
    ASSERT_EQ(Render({"--at", "20,70", "--size", "160x90", "--out", plain}).status, 0);
    ASSERT_EQ(
        Render({"--at", "20,70", "--size", "160x90", "--out", one, "--supersample", "1"}).status,
        0);
    for (const char* name : {"/020.000.png", "/070.000.png"}) {
        ASSERT_FALSE(ReadFile(plain + name).empty());
        EXPECT_TRUE(ReadFile(plain + name) == ReadFile(one + name)) << name;
    }
}

TEST(Supersample, FactorTwoSmoothsTheStrokesAndKeepsThePicture) {
    std::string plain = MakeTempDir();
    std::string two = MakeTempDir();
    const char* times = "20,70,100,180";
    ASSERT_EQ(Render({"--at", times, "--size", "640x360", "--out", plain}).status, 0);
    ASSERT_EQ(
        Render({"--at", times, "--size", "640x360", "--out", two, "--supersample", "2"}).status, 0);
    // Measured at 640x360: mean differences of 6.9 (the dense line field),
    // 2.7 (the wave grid), 0.7 (the particle cloud, the credits) of 255; the
    // Laplacian's variance falls to 0.61 and 0.42 of the plain in the two
    // stroke scenes. The credits' image comes out a little sharper, as its
    // texture is read from a finer mipmap level at twice the size.
    struct Expected {
        const char* name;
        double maxDifference;
        bool strokes;
    };
    for (const Expected& e : {Expected{"/020.000.png", 9.0, true},
                              {"/070.000.png", 4.0, true},
                              {"/100.000.png", 1.5, false},
                              {"/180.000.png", 1.5, false}}) {
        Picture a = LoadPng(plain + e.name);
        Picture b = LoadPng(two + e.name);
        ASSERT_EQ(a.rgb.size(), b.rgb.size()) << e.name;
        ASSERT_GT(a.LitPixels(), 640 * 360 / 50) << e.name;
        double difference = MeanDifference(a, b);
        EXPECT_GT(difference, 0.0) << e.name << ": supersampled, not the plain frame";
        EXPECT_LT(difference, e.maxDifference) << e.name;
        if (e.strokes) {
            EXPECT_LT(LaplacianVariance(b), 0.75 * LaplacianVariance(a)) << e.name;
        }
    }
}

TEST(Supersample, WithMotionBlurInALosslessVideoAsInAStill) {
    std::string dir = MakeTempDir();
    std::string video = dir + "/master.mkv";
    const std::vector<std::string> switches = {"--size",        "96x54", "--supersample", "2",
                                               "--motion-blur", "3",     "--fps",         "10"};
    std::vector<std::string> videoArguments = {"--video", video, "--codec", "ffv1",
                                               "--from",  "70",  "--to",    "70.2"};
    videoArguments.insert(videoArguments.end(), switches.begin(), switches.end());
    ASSERT_EQ(Render(videoArguments).status, 0);
    std::vector<std::string> stillArguments = {"--at", "70.1", "--out", dir};
    stillArguments.insert(stillArguments.end(), switches.begin(), switches.end());
    ASSERT_EQ(Render(stillArguments).status, 0);

    Picture frame = DecodeVideoFrame(video, 1, 96, 54);
    Picture still = LoadPng(dir + "/070.100.png");
    ASSERT_EQ(frame.rgb.size(), 96u * 54 * 3);
    EXPECT_TRUE(frame.rgb == still.rgb);
    EXPECT_GT(still.LitPixels(), 96 * 54 / 50);
}

TEST(Supersample, SurfaceBeyondTheGlIsRefusedBeforeDrawing) {
    std::string dir = MakeTempDir();
    CommandResult r =
        Render({"--at", "1", "--size", "8192x4608", "--supersample", "4", "--out", dir});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("32768x18432"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("GL_MAX_"), std::string::npos) << r.err;
    EXPECT_TRUE(ReadFile(dir + "/001.000.png").empty());
}
