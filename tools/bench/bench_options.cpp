#include "tools/bench/bench_options.h"

#include "tools/render/option_values.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>

namespace {

// The modes in the order of BenchMode.
const char* const kModes[] = {"pass", "post", "capture", "clock", "soak"};

// A mode's bit in Switch::modes.
constexpr unsigned Bit(BenchMode mode) {
    return 1u << unsigned(mode);
}
constexpr unsigned kPass = Bit(BenchMode::Pass), kPost = Bit(BenchMode::Post),
                   kCapture = Bit(BenchMode::Capture), kClock = Bit(BenchMode::Clock),
                   kSoak = Bit(BenchMode::Soak);

struct Switch {
    const char* name;
    unsigned modes;
    bool (*apply)(const std::string& value, BenchOptions& options);
};

const Switch kSwitches[] = {
    {"--size", kPass | kPost | kCapture,
     [](const std::string& v, BenchOptions& o) { return ParseSize(v, o.width, o.height); }},
    {"--device", kPass | kPost | kCapture | kSoak,
     [](const std::string& v, BenchOptions& o) { return ParseGlDeviceChoice(v, o.device); }},
    {"--pictures", kPost,
     [](const std::string& v, BenchOptions& o) {
         o.picturesDir = v;
         return !v.empty();
     }},
    {"--supersample", kCapture,
     [](const std::string& v, BenchOptions& o) { return ParseInt(v, 1, 4, o.supersample); }},
    {"--motion-blur", kCapture,
     [](const std::string& v, BenchOptions& o) { return ParseInt(v, 1, 64, o.motionBlur); }},
    {"--frames", kCapture | kSoak,
     [](const std::string& v, BenchOptions& o) { return ParseInt(v, 1, INT_MAX, o.frames); }},
    {"--seed", kSoak,
     [](const std::string& v, BenchOptions& o) { return ParseInt(v, 1, INT_MAX, o.seed); }},
    {"--seconds", kClock,
     [](const std::string& v, BenchOptions& o) {
         return ParseFraction(v, 0.0, 3600.0, o.seconds) && o.seconds > 0.0;
     }},
    {"--decode-minutes", kClock,
     [](const std::string& v, BenchOptions& o) {
         return ParseFraction(v, 0.0, 600.0, o.decodeMinutes);
     }},
};

const Switch* FindSwitch(const char* name, BenchMode mode) {
    for (const Switch& s : kSwitches)
        if (std::strcmp(s.name, name) == 0 && (s.modes & Bit(mode)) != 0)
            return &s;
    return nullptr;
}

} // namespace

bool ParseBenchOptions(int argc, const char* const* argv, BenchOptions& options) {
    if (argc < 2)
        return false;
    const auto named = [&](const char* mode) { return std::strcmp(mode, argv[1]) == 0; };
    const auto mode = std::find_if(std::begin(kModes), std::end(kModes), named);
    if (mode == std::end(kModes))
        return false;
    options = {};
    options.mode = BenchMode(mode - std::begin(kModes));
    if (options.mode == BenchMode::Capture) {
        options.width = 1280;
        options.height = 720;
    }
    if (options.mode == BenchMode::Soak)
        options.frames = 20000;
    // Every switch takes a value.
    for (int i = 2; i < argc; i += 2) {
        const Switch* s = FindSwitch(argv[i], options.mode);
        if (!s || i + 1 == argc || !s->apply(argv[i + 1], options))
            return false;
    }
    return true;
}

const char* BenchUsage() {
    return "usage: zentrafel-bench MODE [SWITCH VALUE]...   (run from the repository root)\n"
           "  pass     each section's frame timed pass by pass, as markdown\n"
           "           [--size WxH] [--device D]   (default 640x360)\n"
           "  post     the \"rb\" post pass and the glow against a plain copy\n"
           "           [--size WxH] [--device D] [--pictures DIR]\n"
           "  capture  a frame taken for a file, plain and motion-blurred\n"
           "           [--size WxH] [--device D] [--supersample N] [--motion-blur N]\n"
           "           [--frames K]   (default 1280x720, 1, 1, 24)\n"
           "  clock    the music clock's smoothness on device 0 and a JACK dummy\n"
           "           [--seconds N] [--decode-minutes M]   (default 10, 0)\n"
           "  soak     frames at random music times with the resident memory\n"
           "           [--device D] [--frames N] [--seed S]   (default 20000, 1)\n"
           "D: auto (default), software, surfaceless or a device index.\n";
}
