// The playback keys against the real music clock and a real GLFW window
// (under an X server). Every test starts paused at 20 s, so the clock only
// moves when a key moves it.
#include "app/keys.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr double kStart = 20.0;
// Seconds are carried as whole frames of the stream (1/44100 s and coarser).
constexpr double kFrameTolerance = 1e-3;

GLFWwindow* testWindow = nullptr;
Music music{};
Playback playback{&music};

std::string Send(int key, int action) {
    testing::internal::CaptureStdout();
    keyCallback(testWindow, key, 0, action, 0);
    return testing::internal::GetCapturedStdout();
}

std::string Press(int key) {
    return Send(key, GLFW_PRESS);
}

// Waits (up to five seconds) for the clock to pass `time`.
bool ClockPasses(double time) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        if (music.Position() > time)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

class PlaybackKeys : public testing::Test {
  protected:
    // The window and GLFW stay up until the process ends: terminating GLFW
    // unloads the GL driver, whose live allocations the leak checker would
    // then report.
    static void SetUpTestSuite() {
        ASSERT_TRUE(glfwInit());
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        testWindow = glfwCreateWindow(64, 64, "keys", nullptr, nullptr);
        ASSERT_NE(testWindow, nullptr);
        glfwSetWindowUserPointer(testWindow, &playback);
        ASSERT_TRUE(music.Load("./resource/noise.ogg"));
        music.Play();
    }
    void SetUp() override {
        if (playback.playing)
            Press(GLFW_KEY_SPACE);
        ASSERT_FALSE(playback.playing);
        music.SetPosition(kStart);
        glfwSetWindowShouldClose(testWindow, GLFW_FALSE);
    }

    // Nothing observable moved: still paused at `position`, no output, no close.
    void ExpectUnchanged(double position, const std::string& output) {
        EXPECT_EQ(output, "");
        EXPECT_FALSE(playback.playing);
        EXPECT_NEAR(music.Position(), position, kFrameTolerance);
        EXPECT_FALSE(glfwWindowShouldClose(testWindow));
    }
};

} // namespace

TEST_F(PlaybackKeys, SpaceResumesThenPausesPrintingTheFrozenTime) {
    EXPECT_EQ(Press(GLFW_KEY_SPACE), "");
    EXPECT_TRUE(playback.playing);
    ASSERT_TRUE(ClockPasses(kStart + 0.05)) << "the clock did not run after resuming";

    const std::string line = Press(GLFW_KEY_SPACE);
    EXPECT_FALSE(playback.playing);
    ASSERT_EQ(line.rfind("time:", 0), 0u) << line;
    ASSERT_EQ(line.back(), '\n');
    const std::string number = line.substr(5, line.size() - 6);
    EXPECT_EQ(number.size() - number.find('.'), 7u) << "six decimals: " << number;
    const double printed = std::strtod(number.c_str(), nullptr);
    EXPECT_GT(printed, kStart + 0.05);
    EXPECT_NEAR(music.Position(), printed, kFrameTolerance);

    const double frozen = music.Position();
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_EQ(music.Position(), frozen) << "the clock runs while paused";
}

TEST_F(PlaybackKeys, ResumingContinuesFromThePausedTime) {
    Press(GLFW_KEY_SPACE);
    EXPECT_GE(music.Position(), kStart - kFrameTolerance);
    EXPECT_LT(music.Position(), kStart + 1.0) << "resuming must not restart or jump";
}

TEST_F(PlaybackKeys, LeftAndRightMoveFiveSecondsAndKeepThePause) {
    ExpectUnchanged(kStart + 5.0, Press(GLFW_KEY_RIGHT));
    ExpectUnchanged(kStart + 10.0, Press(GLFW_KEY_RIGHT));
    ExpectUnchanged(kStart + 5.0, Press(GLFW_KEY_LEFT));
    ExpectUnchanged(kStart, Press(GLFW_KEY_LEFT));
}

TEST_F(PlaybackKeys, SeeksStopAtTheStartAndAtTheEnd) {
    music.SetPosition(2.0);
    ExpectUnchanged(0.0, Press(GLFW_KEY_LEFT));
    music.SetPosition(music.length - 2.0);
    Press(GLFW_KEY_RIGHT);
    EXPECT_GE(music.Position(), music.length) << "the frame loop ends only at the length";
}

TEST_F(PlaybackKeys, EscapeRequestsTheCloseAndTouchesNothingElse) {
    EXPECT_EQ(Press(GLFW_KEY_ESCAPE), "");
    EXPECT_TRUE(glfwWindowShouldClose(testWindow));
    EXPECT_FALSE(playback.playing);
    EXPECT_NEAR(music.Position(), kStart, kFrameTolerance);
}

TEST_F(PlaybackKeys, ReleasesAndAutoRepeatsDoNothing) {
    for (int key : {GLFW_KEY_SPACE, GLFW_KEY_LEFT, GLFW_KEY_RIGHT, GLFW_KEY_ESCAPE}) {
        SCOPED_TRACE(key);
        ExpectUnchanged(kStart, Send(key, GLFW_RELEASE));
        ExpectUnchanged(kStart, Send(key, GLFW_REPEAT));
    }
}

TEST_F(PlaybackKeys, OtherKeysDoNothing) {
    for (int key : {GLFW_KEY_ENTER, GLFW_KEY_KP_ENTER, GLFW_KEY_UP, GLFW_KEY_DOWN, GLFW_KEY_A,
                    GLFW_KEY_Q, GLFW_KEY_F11, GLFW_KEY_UNKNOWN}) {
        SCOPED_TRACE(key);
        ExpectUnchanged(kStart, Press(key));
    }
}
