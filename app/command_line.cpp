#include "app/command_line.h"

#include <cstring>

namespace {

LaunchMode ModeOf(const char* argument) {
    if (std::strcmp(argument, "--fullscreen") == 0)
        return LaunchMode::Fullscreen;
    if (std::strcmp(argument, "--windowed") == 0)
        return LaunchMode::Windowed;
    if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0)
        return LaunchMode::Help;
    if (std::strcmp(argument, "--version") == 0)
        return LaunchMode::Version;
    return LaunchMode::Invalid;
}

bool IsInformational(LaunchMode mode) {
    return mode == LaunchMode::Help || mode == LaunchMode::Version;
}

// True for the switches that combine with any mode.
bool TakeSwitch(const char* argument, CommandLine& line) {
    bool* flag = nullptr;
    if (std::strcmp(argument, "--mute") == 0)
        flag = &line.mute;
    else if (std::strcmp(argument, "--loop") == 0)
        flag = &line.loop;
    if (flag)
        *flag = true;
    return flag != nullptr;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine result{LaunchMode::Ask, nullptr, false, false};
    for (int i = 1; i < argc; ++i) {
        if (TakeSwitch(argv[i], result))
            continue;
        const LaunchMode mode = ModeOf(argv[i]);
        if (mode == LaunchMode::Invalid)
            return CommandLine{LaunchMode::Invalid, argv[i], false, false};
        // The first --help or --version decides; answers never replace it.
        if (!IsInformational(result.mode))
            result.mode = mode;
    }
    return result;
}

void PrintUsage(std::FILE* stream, const char* programName) {
    std::fprintf(stream,
                 "usage: %s [--fullscreen | --windowed] [--mute] [--loop] [--help] [--version]\n"
                 "  --fullscreen  play on the whole primary monitor without asking\n"
                 "  --windowed    play in a 640x480 window without asking\n"
                 "  --mute        play without sound (the picture keeps the music's time)\n"
                 "  --loop        start again from the beginning at the end, until Escape\n"
                 "  --help        show this text\n"
                 "  --version     show the version\n"
                 "Without an answer on the command line the production asks \"Fullscreen?\".\n"
                 "Keys while playing: Escape quits, Left/Right seek 5 s, Space pauses.\n"
                 "It reads ./resource/; started elsewhere, it plays the installed copy.\n",
                 programName);
}
