#include "app/command_line.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
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
    if (std::strcmp(argument, "--list-monitors") == 0)
        return LaunchMode::ListMonitors;
    return LaunchMode::Invalid;
}

bool IsInformational(LaunchMode mode) {
    return mode == LaunchMode::Help || mode == LaunchMode::Version ||
           mode == LaunchMode::ListMonitors;
}

// Sides a window can have; GL's own limits are far beyond any screen.
constexpr long kMinSide = 16;
constexpr long kMaxSide = 16384;
constexpr long kMaxMonitor = 63;

bool ParseWhole(const char* text, long low, long high, long& value, char stop = '\0') {
    if (!std::isdigit(static_cast<unsigned char>(*text)))
        return false;
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *end == stop && value >= low && value <= high;
}

bool ParseStart(const char* text, CommandLine& line) {
    if (!std::isdigit(static_cast<unsigned char>(*text)))
        return false;
    char* end = nullptr;
    double seconds = std::strtod(text, &end);
    if (*end != '\0' || !std::isfinite(seconds))
        return false;
    line.start = seconds;
    return true;
}

// The switches that take a value: false when `argument` is none of them.
// `problem` is set when the value is missing or malformed.
bool TakeValue(const char* argument, const char* value, CommandLine& line, const char*& problem) {
    problem = nullptr;
    long monitor = 0;
    if (std::strcmp(argument, "--monitor") == 0) {
        if (value && ParseWhole(value, 0, kMaxMonitor, monitor))
            line.monitor = static_cast<int>(monitor);
        else
            problem = "--monitor wants a monitor's number from --list-monitors, not";
    } else if (std::strcmp(argument, "--window") == 0) {
        if (!value || !ParseSize(value, kMinSide, kMaxSide, line.windowWidth, line.windowHeight))
            problem = "--window wants WIDTHxHEIGHT, each 16 to 16384, not";
    } else if (std::strcmp(argument, "--start") == 0) {
        if (!value || !ParseStart(value, line))
            problem = "--start wants a music time in seconds, not";
    } else {
        return false;
    }
    return true;
}

CommandLine Invalid(const char* argument, const char* problem) {
    CommandLine line{LaunchMode::Invalid, argument, false, false};
    line.problem = problem;
    return line;
}

// True for the switches that combine with any mode.
bool TakeSwitch(const char* argument, CommandLine& line) {
    bool* flag = nullptr;
    if (std::strcmp(argument, "--mute") == 0)
        flag = &line.mute;
    else if (std::strcmp(argument, "--loop") == 0)
        flag = &line.loop;
    else if (std::strcmp(argument, "--all-passes") == 0)
        flag = &line.allPasses;
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
        const char* problem = nullptr;
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (TakeValue(argv[i], value, result, problem)) {
            if (!value)
                return Invalid(argv[i], "a value is missing after");
            if (problem)
                return Invalid(value, problem);
            ++i;
            continue;
        }
        const LaunchMode mode = ModeOf(argv[i]);
        if (mode == LaunchMode::Invalid)
            return Invalid(argv[i], "unknown argument");
        // The first --help or --version decides; answers never replace it.
        if (!IsInformational(result.mode))
            result.mode = mode;
    }
    return result;
}

void PrintUsage(std::FILE* stream, const char* programName) {
    std::fprintf(stream,
                 "usage: %s [--fullscreen | --windowed] [--monitor N] [--window WxH]\n"
                 "       [--start T] [--mute] [--loop] [--all-passes] [--list-monitors]\n"
                 "       [--help] [--version]\n"
                 "  --fullscreen     play on the whole primary monitor without asking\n"
                 "  --windowed       play in a 640x480 window without asking\n"
                 "  --monitor N      full screen goes to monitor N at its current mode\n"
                 "  --window WxH     the window's size instead of 640x480\n"
                 "  --start T        begin at music time T seconds\n"
                 "  --mute           play without sound (the picture keeps the music's time)\n"
                 "  --loop           start again from the beginning at the end, until Escape\n"
                 "  --all-passes     draw every pass whole, also where it changes no pixel\n"
                 "                   (a check: the picture is the same, only slower)\n"
                 "  --list-monitors  show the monitors' numbers, names and current modes\n"
                 "  --help           show this text\n"
                 "  --version        show the version\n"
                 "Without an answer on the command line the production asks \"Fullscreen?\".\n"
                 "Keys while playing: Escape quits, Left/Right seek 5 s, Space pauses.\n"
                 "It reads ./resource/; started elsewhere, it plays the installed copy.\n",
                 programName);
}

bool ParseSize(const char* text, long minSide, long maxSide, int& width, int& height) {
    long w = 0, h = 0;
    const char* x = std::strchr(text, 'x');
    if (!x || !ParseWhole(text, minSide, maxSide, w, 'x') ||
        !ParseWhole(x + 1, minSide, maxSide, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}
