// The command line of the production: the start-up question can be answered
// in advance, the sound can be left off, the music can loop, and the usual
// --help and --version are offered.
#pragma once

#include <cstdio>

enum class LaunchMode {
    Ask,        // no answer given: ask "Fullscreen?" before the window exists
    Fullscreen, // --fullscreen
    Windowed,   // --windowed
    Help,       // --help: usage on stdout, status 0
    Version,    // --version: version on stdout, status 0
    Invalid     // an argument we do not know: usage on stderr, status 2
};

struct CommandLine {
    LaunchMode mode;
    const char* badArgument; // the first unknown argument when mode is Invalid
    bool mute;               // --mute: the "no sound" device, whatever the machine has
    bool loop;               // --loop: the music starts again at its end
};

// Later answers override earlier ones; --help and --version win over answers,
// and any unknown argument makes the whole line invalid.
CommandLine ParseCommandLine(int argc, const char* const* argv);

void PrintUsage(std::FILE* stream, const char* programName);
