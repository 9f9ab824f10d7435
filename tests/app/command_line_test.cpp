#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CommandLine Parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "zentrafel");
    return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

} // namespace

TEST(CommandLine, WithoutArgumentsTheQuestionIsAsked) {
    EXPECT_EQ(Parse({}).mode, LaunchMode::Ask);
}

TEST(CommandLine, FlagsAnswerTheQuestionAndTheLastAnswerCounts) {
    EXPECT_EQ(Parse({"--fullscreen"}).mode, LaunchMode::Fullscreen);
    EXPECT_EQ(Parse({"--windowed"}).mode, LaunchMode::Windowed);
    EXPECT_EQ(Parse({"--fullscreen", "--windowed"}).mode, LaunchMode::Windowed);
    EXPECT_EQ(Parse({"--windowed", "--fullscreen"}).mode, LaunchMode::Fullscreen);
}

TEST(CommandLine, HelpAndVersionWinOverAnswers) {
    EXPECT_EQ(Parse({"--help"}).mode, LaunchMode::Help);
    EXPECT_EQ(Parse({"-h"}).mode, LaunchMode::Help);
    EXPECT_EQ(Parse({"--version"}).mode, LaunchMode::Version);
    EXPECT_EQ(Parse({"--windowed", "--help"}).mode, LaunchMode::Help);
    EXPECT_EQ(Parse({"--version", "--fullscreen"}).mode, LaunchMode::Version);
    EXPECT_EQ(Parse({"--version", "--help"}).mode, LaunchMode::Version);
}

TEST(CommandLine, AnUnknownArgumentMakesTheLineInvalidAndIsNamed) {
    for (const char* bad : {"--full", "-w", "fullscreen", "", "--windowed=1"}) {
        SCOPED_TRACE(bad);
        const CommandLine line = Parse({"--windowed", bad, "--help"});
        EXPECT_EQ(line.mode, LaunchMode::Invalid);
        EXPECT_STREQ(line.badArgument, bad);
    }
}

TEST(CommandLine, MuteLoopAndAllPassesCombineWithAnyAnswerInAnyOrder) {
    const CommandLine plain = Parse({"--windowed"});
    EXPECT_FALSE(plain.mute);
    EXPECT_FALSE(plain.loop);
    EXPECT_FALSE(plain.allPasses);

    const CommandLine both = Parse({"--loop", "--fullscreen", "--all-passes", "--mute"});
    EXPECT_EQ(both.mode, LaunchMode::Fullscreen);
    EXPECT_TRUE(both.mute);
    EXPECT_TRUE(both.loop);
    EXPECT_TRUE(both.allPasses);

    const CommandLine asking = Parse({"--mute"});
    EXPECT_EQ(asking.mode, LaunchMode::Ask);
    EXPECT_TRUE(asking.mute);
    EXPECT_FALSE(asking.loop);

    EXPECT_EQ(Parse({"--loop", "--help"}).mode, LaunchMode::Help);
    EXPECT_EQ(Parse({"--mute", "--loop=1"}).mode, LaunchMode::Invalid);
}

TEST(CommandLine, ScreenWindowAndStartAreChosenWithoutAnsweringTheQuestion) {
    const CommandLine plain = Parse({});
    EXPECT_EQ(plain.monitor, -1) << "the primary monitor";
    EXPECT_EQ(plain.windowWidth, 640);
    EXPECT_EQ(plain.windowHeight, 480);
    EXPECT_EQ(plain.start, 0.0);

    const CommandLine chosen =
        Parse({"--monitor", "1", "--window", "1280x720", "--start", "96.6", "--mute"});
    EXPECT_EQ(chosen.mode, LaunchMode::Ask) << "the question is still asked";
    EXPECT_EQ(chosen.monitor, 1);
    EXPECT_EQ(chosen.windowWidth, 1280);
    EXPECT_EQ(chosen.windowHeight, 720);
    EXPECT_EQ(chosen.start, 96.6);
    EXPECT_TRUE(chosen.mute);

    EXPECT_EQ(Parse({"--list-monitors"}).mode, LaunchMode::ListMonitors);
    EXPECT_EQ(Parse({"--fullscreen", "--list-monitors"}).mode, LaunchMode::ListMonitors);
}

TEST(CommandLine, MalformedValuesMakeTheLineInvalidAndAreNamed) {
    for (std::vector<const char*> bad : {
             std::vector<const char*>{"--window", "1280"},
             {"--window", "1280x"},
             {"--window", "x720"},
             {"--window", "1280x720x2"},
             {"--window", "8x8"},
             {"--window", "-640x480"},
             {"--monitor", "one"},
             {"--monitor", "-1"},
             {"--monitor", "2.5"},
             {"--start", "-3"},
             {"--start", "later"},
             {"--start", "inf"},
             {"--start", "10s"},
         }) {
        SCOPED_TRACE(std::string(bad[0]) + " " + bad[1]);
        const CommandLine line = Parse({"--windowed", bad[0], bad[1]});
        EXPECT_EQ(line.mode, LaunchMode::Invalid);
        EXPECT_STREQ(line.badArgument, bad[1]);
        ASSERT_NE(line.problem, nullptr);
        EXPECT_NE(std::string(line.problem).find(bad[0]), std::string::npos);
    }
    const CommandLine missing = Parse({"--windowed", "--start"});
    EXPECT_EQ(missing.mode, LaunchMode::Invalid);
    EXPECT_STREQ(missing.badArgument, "--start");
}
