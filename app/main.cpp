// The entry point: the question, the window, the loading screen, the loading
// table, the music and the frame loop, in that order. Exit status 0 after a
// normal end, -1 when start-up fails, 2 for a command line we do not know.

#include "app/command_line.h"
#include "app/frame_loop.h"
#include "app/gl_requirements.h"
#include "app/globals.h"
#include "app/startup.h"
#include "app/window.h"
#include "platform/audio_options.h"
#include "platform/data_dir.h"
#include "platform/dialog.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cstdio>

namespace {

constexpr int kStartupFailed = -1;
constexpr int kUsageError = 2;

// The loading image is the only picture shown until the first frame: nothing
// else is swapped and no events are polled while loading.
void ShowLoadingScreen(const WindowSize& size) {
    DrawLoadingScreen(static_cast<float>(size.width) / size.height);
    glfwSwapBuffers(window);
}

int Play(bool fullscreen, const CommandLine& commandLine) {
    AudioForceNoSound(commandLine.mute);
    // Started from a desktop menu or any other folder, the installed data is
    // found; where there is none, the first loading step says what is missing.
    ChangeToDataDirectory();
    StartDecodingMusic();
    const WindowSize size = OpenWindow(fullscreen);
    if (size.width == 0)
        return kStartupFailed;
    if (!HasGlRequirements()) {
        CloseWindow();
        return kStartupFailed;
    }
    const Viewport viewport = ComputeViewport(size.width, size.height);
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    ShowLoadingScreen(size);
    // The failing step has printed its own message; the window stays up
    // until the process ends.
    if (!LoadProduction(viewport))
        return kStartupFailed;
    music.Play();
    RunFrameLoop(window, commandLine.loop);
    CloseWindow();
    return 0;
}

bool AnswerOf(LaunchMode mode) {
    if (mode == LaunchMode::Ask)
        return AskYesNo("Fullscreen?", "zentrafel");
    return mode == LaunchMode::Fullscreen;
}

} // namespace

int main(int argc, char** argv) {
    // A reader on a pipe sees each diagnostic line the moment it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    switch (commandLine.mode) {
    case LaunchMode::Help:
        PrintUsage(stdout, argv[0]);
        return 0;
    case LaunchMode::Version:
        std::printf("zentrafel %s\n", ZENTRAFEL_VERSION);
        return 0;
    case LaunchMode::Invalid:
        std::fprintf(stderr, "zentrafel: unknown argument '%s'\n", commandLine.badArgument);
        PrintUsage(stderr, argv[0]);
        return kUsageError;
    default:
        return Play(AnswerOf(commandLine.mode), commandLine);
    }
}
