#include "app/command_line.h"

#include <gtest/gtest.h>

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

TEST(CommandLine, MuteAndLoopCombineWithAnyAnswerInAnyOrder) {
    const CommandLine plain = Parse({"--windowed"});
    EXPECT_FALSE(plain.mute);
    EXPECT_FALSE(plain.loop);

    const CommandLine both = Parse({"--loop", "--fullscreen", "--mute"});
    EXPECT_EQ(both.mode, LaunchMode::Fullscreen);
    EXPECT_TRUE(both.mute);
    EXPECT_TRUE(both.loop);

    const CommandLine asking = Parse({"--mute"});
    EXPECT_EQ(asking.mode, LaunchMode::Ask);
    EXPECT_TRUE(asking.mute);
    EXPECT_FALSE(asking.loop);

    EXPECT_EQ(Parse({"--loop", "--help"}).mode, LaunchMode::Help);
    EXPECT_EQ(Parse({"--mute", "--loop=1"}).mode, LaunchMode::Invalid);
}
