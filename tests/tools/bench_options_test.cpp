// zentrafel-bench's command line: each mode's switches land in the options,
// and anything else is turned away by the program with its usage and exit
// status 2, before it opens a GL context or an audio device.
#include "tests/support/run_command.h"
#include "tools/bench/bench_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

BenchOptions Parsed(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "zentrafel-bench");
    BenchOptions options;
    EXPECT_TRUE(ParseBenchOptions(int(arguments.size()), arguments.data(), options))
        << arguments[1];
    return options;
}

} // namespace

TEST(BenchOptions, EachModeTakesItsSwitches) {
    BenchOptions post =
        Parsed({"post", "--size", "1920x1080", "--device", "2", "--pictures", "out"});
    EXPECT_EQ(post.mode, BenchMode::Post);
    EXPECT_EQ(post.width, 1920);
    EXPECT_EQ(post.height, 1080);
    EXPECT_EQ(post.device.kind, GlDeviceChoice::Index);
    EXPECT_EQ(post.device.index, 2);
    EXPECT_EQ(post.picturesDir, "out");

    BenchOptions capture = Parsed({"capture", "--motion-blur", "4", "--supersample", "2"});
    EXPECT_EQ(capture.mode, BenchMode::Capture);
    EXPECT_EQ(capture.width, 1280); // the mode's own default
    EXPECT_EQ(capture.frames, 24);
    EXPECT_EQ(capture.motionBlur, 4);
    EXPECT_EQ(capture.supersample, 2);

    BenchOptions soak = Parsed({"soak", "--frames", "600", "--seed", "7"});
    EXPECT_EQ(soak.mode, BenchMode::Soak);
    EXPECT_EQ(soak.frames, 600);
    EXPECT_EQ(soak.seed, 7);
    EXPECT_EQ(Parsed({"soak"}).frames, 20000);

    BenchOptions clock = Parsed({"clock", "--seconds", "2.5", "--decode-minutes", "3"});
    EXPECT_EQ(clock.mode, BenchMode::Clock);
    EXPECT_EQ(clock.seconds, 2.5);
    EXPECT_EQ(clock.decodeMinutes, 3.0);
}

TEST(BenchOptions, BadCommandLinesGetTheUsageAndStatusTwo) {
    for (std::vector<std::string> arguments : {
             std::vector<std::string>{},
             {"wobble"},
             {"--size", "640x360"},
             {"pass", "--size", "640by360"},
             {"pass", "--device", "fast"},
             {"post", "--pictures"},
             {"capture", "--supersample", "5"},
             {"clock", "--seconds", "0"},
             {"clock", "--size", "640x360"},
             {"soak", "--frames", "-5"},
             {"soak", "--seed", "12x"},
         }) {
        arguments.insert(arguments.begin(), ZENTRAFEL_BENCH);
        CommandResult r = RunCommand(arguments);
        EXPECT_EQ(r.status, 2) << arguments.back();
        EXPECT_NE(r.err.find("usage: zentrafel-bench MODE"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << arguments.back();
    }
}
