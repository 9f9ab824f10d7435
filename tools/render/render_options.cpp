#include "tools/render/render_options.h"

#include "tools/render/frame_times.h"
#include "tools/render/option_values.h"

#include <set>

namespace {

constexpr int kMaxFps = 240;
// Far more than any farm has machines; keeps K/N within an int.
constexpr int kMaxSegments = 100000;
constexpr int kMaxSubframes = 64;
constexpr int kMaxSupersample = 4;
constexpr int kMaxSheetColumns = 32;
constexpr int kMaxSheetCount = 400;

bool ParseTimeList(const std::string& text, std::vector<double>& times) {
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        double t = 0.0;
        if (!ParseTime(text.substr(start, comma - start), t))
            return false;
        times.push_back(t);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

// "K/N" with 1 <= K <= N.
bool ParseSegment(const std::string& text, int& segment, int& segments) {
    size_t slash = text.find('/');
    return slash != std::string::npos &&
           ParseInt(text.substr(0, slash), 1, kMaxSegments, segment) &&
           ParseInt(text.substr(slash + 1), 1, kMaxSegments, segments) && segment <= segments;
}

std::string Range(const char* what, int low, int high) {
    return std::string(what) + " from " + std::to_string(low) + " to " + std::to_string(high);
}

bool Path(const std::string& value, std::string& path) {
    path = value;
    return !value.empty();
}

// A switch that takes a value: how the value is stored, and what the switch
// wants when the value does not fit (the error names the switch, that and
// the value).
struct ValueSwitch {
    const char* name;
    bool (*apply)(const std::string& value, RenderOptions& options);
    std::string wants;
};

using O = RenderOptions;
using V = const std::string&;

const ValueSwitch* FindValueSwitch(const std::string& name) {
    static const std::string kTimes = "times in seconds, not negative";
    static const ValueSwitch kSwitches[] = {
        {"--at", [](V v, O& o) { return ParseTimeList(v, o.stillTimes); }, kTimes},
        {"--from", [](V v, O& o) { return ParseTime(v, o.from); }, kTimes},
        {"--to", [](V v, O& o) { return ParseTime(v, o.to); }, kTimes},
        {"--fps", [](V v, O& o) { return ParseInt(v, 1, kMaxFps, o.fps); },
         Range("a whole number", 1, kMaxFps)},
        {"--size", [](V v, O& o) { return ParseSize(v, o.width, o.height); },
         "WIDTHxHEIGHT, each " + std::to_string(kMinSide) + " to " + std::to_string(kMaxSide)},
        {"--out", [](V v, O& o) { return Path(v, o.outDir); }, "a non-empty path"},
        {"--video", [](V v, O& o) { return Path(v, o.videoPath); }, "a non-empty path"},
        {"--device", [](V v, O& o) { return ParseGlDeviceChoice(v, o.device); },
         "auto, software, surfaceless or a device number from --list-devices"},
        {"--encoder",
         [](V v, O& o) {
             o.encoder = v;
             return v == "libx264" || v == "h264_nvenc";
         },
         "libx264 or h264_nvenc"},
        {"--segment", [](V v, O& o) { return ParseSegment(v, o.segment, o.segments); },
         "K/N, whole numbers with 1 <= K <= N"},
        {"--codec", [](V v, O& o) { return ParseVideoCodec(v, o.codec); }, "h264, hevc or ffv1"},
        {"--crf", [](V v, O& o) { return ParseInt(v, 0, kMaxCrf, o.crf); },
         "a whole number from 0 (best) to " + std::to_string(kMaxCrf)},
        {"--preset",
         [](V v, O& o) {
             o.preset = v;
             return IsEncoderPreset(v);
         },
         "one of ultrafast, superfast, veryfast, faster, fast, medium, slow, slower, veryslow, "
         "placebo"},
        {"--motion-blur", [](V v, O& o) { return ParseInt(v, 1, kMaxSubframes, o.motionBlur); },
         Range("a number of subframes", 1, kMaxSubframes)},
        {"--shutter",
         [](V v, O& o) { return ParseFraction(v, 0.0, 1.0, o.shutter) && o.shutter > 0.0; },
         "the open part of the frame interval, more than 0 and at most 1"},
        {"--supersample", [](V v, O& o) { return ParseInt(v, 1, kMaxSupersample, o.supersample); },
         Range("a factor", 1, kMaxSupersample)},
        {"--contact-sheet",
         [](V v, O& o) {
             o.sheetPath = v;
             return v.size() > 4 && v.compare(v.size() - 4, 4, ".png") == 0;
         },
         "a PNG file to write, ending in .png"},
        {"--columns", [](V v, O& o) { return ParseInt(v, 1, kMaxSheetColumns, o.sheetColumns); },
         Range("a whole number", 1, kMaxSheetColumns)},
        {"--count", [](V v, O& o) { return ParseInt(v, 1, kMaxSheetCount, o.sheetCount); },
         Range("a whole number", 1, kMaxSheetCount)},
    };
    for (const ValueSwitch& s : kSwitches)
        if (name == s.name)
            return &s;
    return nullptr;
}

// The switches given, by name.
struct Switches {
    std::set<std::string> seen;
    bool operator()(const char* name) const { return seen.count(name) != 0; }
};

// Why the stills' names would clash: two times that round to the same file
// name would overwrite each other. Empty when they are all distinct.
std::string StillNameClash(const std::vector<double>& times) {
    std::set<std::string> names;
    for (double t : times) {
        char name[64];
        StillName(t, name, sizeof name);
        if (!names.insert(name).second)
            return std::string("--at names ") + name + " twice (times are kept to the millisecond)";
    }
    return "";
}

// The one mode the switches ask for; Sequence where none names a mode.
RenderMode ModeOf(const Switches& has) {
    if (has("--at"))
        return RenderMode::Stills;
    if (has("--video"))
        return RenderMode::Video;
    if (has("--contact-sheet"))
        return RenderMode::ContactSheet;
    if (has("--bench"))
        return RenderMode::Bench;
    if (has("--list-devices"))
        return RenderMode::ListDevices;
    return RenderMode::Sequence;
}

// Why the switches cannot make one mode: several modes, none, or switches
// the mode would silently ignore. Empty when they can.
std::string ModeConflict(const Switches& has, const RenderOptions& options) {
    bool range = has("--from") || has("--to") || has("--fps");
    int modes = has("--at") + has("--video") + has("--contact-sheet") + has("--bench") +
                has("--list-devices");
    if (modes > 1)
        return "choose one of --at, --video, --contact-sheet, --bench and --list-devices";
    if (has("--list-devices") && has.seen.size() > 1)
        return "--list-devices takes no other option";
    if (has("--encoder") && !has("--video"))
        return "--encoder is for --video";
    // With motion blur, --fps gives stills the frame interval to open in.
    bool stillRange = has("--from") || has("--to") || (has("--fps") && !has("--motion-blur"));
    if (has("--at") && stillRange)
        return "--at renders single times; --from, --to and --fps are for sequences and video";
    if (has("--bench") && (range || has("--out")))
        return "--bench takes only --size and --device";
    if (has("--segment") && !has("--video"))
        return "--segment is a part of a video; give --video too";
    if (has("--video") && has("--out"))
        return "--out is where PNGs go; the video goes to the path given to --video";
    if (options.to >= 0.0 && options.to <= options.from)
        return "--to must come after --from";
    if (modes == 0 && !range)
        return "nothing to render: give --at, --from/--to/--fps, --video or --bench";
    return "";
}

// Why the capture switches (the video's codec and quality, motion blur,
// supersampling, the contact sheet) do not fit the mode or cannot be
// written. Empty when they can.
std::string CaptureConflict(const Switches& has, const RenderOptions& options) {
    const bool video = options.mode == RenderMode::Video;
    const bool sheet = options.mode == RenderMode::ContactSheet;
    const bool even = options.width % 2 == 0 && options.height % 2 == 0;
    if (!video && (has("--codec") || has("--crf") || has("--preset")))
        return "--codec, --crf and --preset are for --video";
    if (video && options.encoder == "h264_nvenc" &&
        (options.codec != VideoCodec::H264 || has("--preset")))
        return "--encoder h264_nvenc encodes --codec h264 at its own preset; --crf sets its "
               "quality";
    if (video && IsLossless(options.codec) && (has("--crf") || has("--preset")))
        return "--codec ffv1 is lossless: --crf and --preset are for h264 and hevc";
    const std::string container = video ? ContainerRefusal(options.codec, options.videoPath) : "";
    if (!container.empty())
        return container;
    if (options.mode == RenderMode::Bench &&
        (has("--motion-blur") || has("--shutter") || has("--supersample")))
        return "--bench takes only --size";
    if (has("--shutter") && !has("--motion-blur"))
        return "--shutter is the open time of --motion-blur's subframes; give --motion-blur too";
    if (!sheet && (has("--columns") || has("--count")))
        return "--columns and --count are for --contact-sheet";
    if (sheet && (has("--out") || (has("--fps") && !has("--motion-blur"))))
        return "--contact-sheet takes --from, --to, --size, --columns and --count "
               "(and --fps only for --motion-blur)";
    // The sheet's frames are halved into their cells.
    if (sheet && !even)
        return "--contact-sheet needs an even width and height: each frame is halved into its "
               "cell";
    // H.264 and HEVC in 4:2:0 halve both sides of the colour planes.
    if (video && !IsLossless(options.codec) && !even)
        return std::string("--video needs an even width and height (") +
               VideoCodecName(options.codec) + " with yuv420p)";
    if (options.mode == RenderMode::Stills)
        return StillNameClash(options.stillTimes);
    return "";
}

} // namespace

bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error) {
    Switches has;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string value;
        bool inlineValue = false;
        size_t equals = arg.find('=');
        if (arg.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg.resize(equals);
            inlineValue = true;
        }
        if (arg == "--help" || arg == "-h") {
            options.mode = RenderMode::Help;
            return true;
        }
        if (!has.seen.insert(arg).second) {
            error = arg + " given twice";
            return false;
        }
        if ((arg == "--bench" || arg == "--list-devices" || arg == "--all-passes") &&
            !inlineValue) {
            options.allPasses = options.allPasses || arg == "--all-passes";
            continue;
        }
        const ValueSwitch* valueSwitch = FindValueSwitch(arg);
        if (!valueSwitch) {
            error = "unknown argument '" + std::string(argv[i]) + "'";
            return false;
        }
        if (!inlineValue) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            value = argv[++i];
        }
        if (!valueSwitch->apply(value, options)) {
            error = arg + " wants " + valueSwitch->wants + ": '" + value + "'";
            return false;
        }
    }
    options.mode = ModeOf(has);
    // Frames of 640x360 make cells of 320x180.
    if (options.mode == RenderMode::ContactSheet && !has("--size")) {
        options.width = 640;
        options.height = 360;
    }
    error = ModeConflict(has, options);
    if (error.empty())
        error = CaptureConflict(has, options);
    return error.empty();
}

const char* RenderUsage() {
    return "usage: zentrafel-render MODE [--size WxH] [--device D]\n"
           "Renders the production offline, frame-exact, without a window or a sound card.\n"
           "It reads ./resource/, or the installed copy when started elsewhere.\n"
           "\n"
           "modes:\n"
           "  --at T1,T2,...          one PNG per music time, named by the time\n"
           "  --from A --to B --fps N numbered PNGs of the stretch [A, B) at N frames per second\n"
           "  --video FILE            a video with the music of the same stretch and a\n"
           "                          chapter per section, through ffmpeg; takes --from,\n"
           "                          --to and --fps too\n"
           "  --contact-sheet FILE.png  frames spread over a stretch in a grid, each at\n"
           "                          half its --size (default 640x360) with its time;\n"
           "                          takes --from, --to, --columns C (default 6) and\n"
           "                          --count K (default 24)\n"
           "  --bench                 frame times per section, on stdout as a table\n"
           "  --list-devices          the GL devices --device can choose, one a line:\n"
           "                          number, driver, hardware or software, name\n"
           "\n"
           "options:\n"
           "  --size WxH   output size in pixels, letterboxed to 16:9 as a window of that\n"
           "               size shows it (default 1920x1080)\n"
           "  --out DIR    where PNGs go (default .; made if missing)\n"
           "  --from A     start of a sequence or video in seconds (default 0)\n"
           "  --to B       its end (default the end of the music)\n"
           "  --fps N      frames per second of a sequence or video (default 30)\n"
           "  --all-passes draw every pass whole, also where it changes no pixel (a fade\n"
           "               at 0, a strip at level 0, an image outside its content): the\n"
           "               same picture, slower; for checking that\n"
           "  --device D   where to draw: auto (a GPU where there is one, else the\n"
           "               software rasteriser; the default), software, surfaceless\n"
           "               or a number from --list-devices\n"
           "  --encoder E  the video's H.264 encoder: libx264 (default) or h264_nvenc\n"
           "               (an NVIDIA GPU's encoder, where ffmpeg and the driver offer it)\n"
           "\n"
           "video:\n"
           "  --codec C    h264 (default) or hevc into FILE.mp4 with AAC sound, or ffv1:\n"
           "               lossless RGB into FILE.mkv with FLAC sound\n"
           "  --crf Q      quality of h264 and hevc, 0 (best) to 51 (default 18)\n"
           "  --preset P   encoder speed of h264 and hevc, ultrafast to placebo\n"
           "               (default veryfast)\n"
           "  --segment K/N  only the K-th of N equal runs of the stretch's frames, each\n"
           "               at its time in the whole stretch, without the music; the\n"
           "               chapters go beside it to FILE.chapters (scripts/render-farm\n"
           "               renders the runs and joins them)\n"
           "\n"
           "motion blur and supersampling (stills, sequences, video, contact sheet):\n"
           "  --motion-blur N  each frame the average of N subframes (1 to 64) spread\n"
           "                   over the time the shutter is open (default 1: none)\n"
           "  --shutter F      the open part of the frame interval, 0 to 1 (default 0.5);\n"
           "                   stills take the interval from --fps\n"
           "  --supersample N  draw N times larger each way (1 to 4), widths in pixels\n"
           "                   too, and average each N x N block: smooth edges\n"
           "\n"
           "  --help       this text\n"
           "\n"
           "Exit status: 0 done, 1 an output could not be written, 2 bad arguments,\n"
           "255 start-up failed (as the production).\n";
}
