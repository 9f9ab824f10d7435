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

} // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine result{LaunchMode::Ask, nullptr};
    for (int i = 1; i < argc; ++i) {
        const LaunchMode mode = ModeOf(argv[i]);
        if (mode == LaunchMode::Invalid)
            return CommandLine{LaunchMode::Invalid, argv[i]};
        // The first --help or --version decides; answers never replace it.
        if (!IsInformational(result.mode))
            result.mode = mode;
    }
    return result;
}

void PrintUsage(std::FILE* stream, const char* programName) {
    std::fprintf(stream,
                 "usage: %s [--fullscreen | --windowed] [--help] [--version]\n"
                 "  --fullscreen  play on the whole primary monitor without asking\n"
                 "  --windowed    play in a 640x480 window without asking\n"
                 "  --help        show this text\n"
                 "  --version     show the version\n"
                 "Without an answer on the command line the production asks \"Fullscreen?\".\n"
                 "Keys while playing: Escape quits, Left/Right seek 5 s, Space pauses.\n",
                 programName);
}
