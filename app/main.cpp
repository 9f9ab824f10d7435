// The entry point: the question, the window, the loading screen, the loading
// table, the music and the frame loop, in that order. Exit status 0 after a
// normal end, -1 when start-up fails, 2 for a command line we do not know.

#include "app/command_line.h"
#include "app/frame_loop.h"
#include "app/startup.h"
#include "app/window.h"
#include "bass/audio_options.h"
#include "platform/data_dir.h"
#include "platform/dialog.h"
#include "platform/line_output.h"
#include "platform/report.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kStartupFailed = -1;
constexpr int kUsageError = 2;

WindowChoice WindowChoiceOf(const CommandLine& commandLine) {
    return {commandLine.monitor, commandLine.windowWidth, commandLine.windowHeight};
}

int Play(bool fullscreen, const CommandLine& commandLine) {
    AudioForceNoSound(commandLine.mute);
    // Started from a desktop menu or any other folder, the installed data is
    // found; where there is none, the first loading step says what is missing.
    ChangeToDataDirectory();
    StartDecodingMusic();
    Music music{};
    Playback playback{&music};
    Window window{};
    Viewport viewport{};
    // Held for the whole run; its GL objects go with the context.
    auto production = std::make_unique<Production>();
    production->allPasses = commandLine.allPasses;
    if (!OpenWithLoadingScreen(fullscreen, WindowChoiceOf(commandLine), playback, window, viewport,
                               *production))
        return kStartupFailed;
    // The loading image is the only picture shown until the first frame:
    // nothing else is swapped and no events are polled while loading.
    glfwSwapBuffers(window.handle);
    // The failing step has printed its own message; the window stays up
    // until the process ends.
    if (!LoadProduction(*production, music, viewport, window.displayScale))
        return kStartupFailed;
    if (!StartAt(music, commandLine.start))
        return kUsageError;
    music.Play();
    RunFrameLoop(window.handle, *production, playback, commandLine.loop);
    CloseWindow(window);
    return 0;
}

bool AnswerOf(LaunchMode mode) {
    if (mode == LaunchMode::Ask)
        return AskYesNo("Fullscreen?", "zentrafel");
    return mode == LaunchMode::Fullscreen;
}

} // namespace

int main(int argc, char** argv) {
    DeliverLinesAtOnce(stdout);
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    switch (commandLine.mode) {
    case LaunchMode::Help:
        PrintUsage(stdout, argv[0]);
        return 0;
    case LaunchMode::Version:
        std::printf("zentrafel %s\n", ZENTRAFEL_VERSION);
        return 0;
    case LaunchMode::ListMonitors:
        return ListMonitors(stdout) ? 0 : kStartupFailed;
    case LaunchMode::Invalid:
        Report("%s '%s'", commandLine.problem, commandLine.badArgument);
        PrintUsage(stderr, argv[0]);
        return kUsageError;
    default:
        // Found before the question: full screen never silently goes elsewhere.
        if (!MonitorConnected(commandLine.monitor))
            return kUsageError;
        return Play(AnswerOf(commandLine.mode), commandLine);
    }
}
