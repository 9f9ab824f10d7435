// The command line of the production: the start-up question can be answered
// in advance, the sound can be left off, the music can loop, the screen, the
// window's size and the starting time can be chosen (a party's projector,
// a rehearsal of one scene), and the usual --help and --version are offered.
#pragma once

#include <cstdio>

enum class LaunchMode {
    Ask,          // no answer given: ask "Fullscreen?" before the window exists
    Fullscreen,   // --fullscreen
    Windowed,     // --windowed
    Help,         // --help: usage on stdout, status 0
    Version,      // --version: version on stdout, status 0
    ListMonitors, // --list-monitors: the monitors on stdout, status 0
    Invalid       // an argument we do not know or a malformed value: usage on
                  // stderr, status 2
};

struct CommandLine {
    LaunchMode mode;
    const char* badArgument; // the first unknown argument when mode is Invalid
    bool mute;               // --mute: the "no sound" device, whatever the machine has
    bool loop;               // --loop: the music starts again at its end
    // What is wrong with badArgument when mode is Invalid ("unknown argument",
    // or what its value should have been).
    const char* problem = nullptr;
    int monitor = -1;      // --monitor N: full screen on GLFW's monitor N; -1: the primary
    int windowWidth = 640; // --window WxH: the windowed size
    int windowHeight = 480;
    double start = 0.0;     // --start T: music time to begin at
    bool allPasses = false; // --all-passes: draw also the passes that change no pixel
};

// Later answers override earlier ones; --help and --version win over answers,
// and any unknown argument makes the whole line invalid.
CommandLine ParseCommandLine(int argc, const char* const* argv);

void PrintUsage(std::FILE* stream, const char* programName);

// "WIDTHxHEIGHT", each side a whole number without a sign in [minSide,
// maxSide]: the player's --window and the offline renderer's --size.
bool ParseSize(const char* text, long minSide, long maxSide, int& width, int& height);
