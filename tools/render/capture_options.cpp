#include "tools/render/capture_options.h"

namespace {

bool CheckMotionBlur(const std::set<std::string>& seen, const RenderOptions& options,
                     std::string& error) {
    auto has = [&seen](const char* name) { return seen.count(name) != 0; };
    if (options.mode == RenderMode::Bench &&
        (has("--motion-blur") || has("--shutter") || has("--supersample"))) {
        error = "--bench takes only --size";
        return false;
    }
    if (has("--shutter") && !has("--motion-blur")) {
        error = "--shutter is the open time of --motion-blur's subframes; give --motion-blur too";
        return false;
    }
    return true;
}

// The sheet's frames are halved into their cells, so their sides are even.
bool CheckContactSheet(const std::set<std::string>& seen, RenderOptions& options,
                       std::string& error) {
    auto has = [&seen](const char* name) { return seen.count(name) != 0; };
    if (options.mode != RenderMode::ContactSheet) {
        bool sheet = has("--columns") || has("--count");
        if (sheet)
            error = "--columns and --count are for --contact-sheet";
        return !sheet;
    }
    if (has("--out") || (has("--fps") && !has("--motion-blur"))) {
        error = "--contact-sheet takes --from, --to, --size, --columns and --count "
                "(and --fps only for --motion-blur)";
        return false;
    }
    if (!has("--size")) {
        options.width = 640;
        options.height = 360;
    }
    if (options.width % 2 == 0 && options.height % 2 == 0)
        return true;
    error = "--contact-sheet needs an even width and height: each frame is halved into its cell";
    return false;
}

bool CheckVideoSwitches(const std::set<std::string>& seen, const RenderOptions& options,
                        std::string& error) {
    auto has = [&seen](const char* name) { return seen.count(name) != 0; };
    bool encoder = has("--codec") || has("--crf") || has("--preset");
    if (options.mode != RenderMode::Video) {
        if (encoder)
            error = "--codec, --crf and --preset are for --video";
        return !encoder;
    }
    if (options.encoder == "h264_nvenc" && (options.codec != VideoCodec::H264 || has("--preset"))) {
        error = "--encoder h264_nvenc encodes --codec h264 at its own preset; --crf sets its "
                "quality";
        return false;
    }
    if (IsLossless(options.codec) && (has("--crf") || has("--preset"))) {
        error = "--codec ffv1 is lossless: --crf and --preset are for h264 and hevc";
        return false;
    }
    return ContainerFits(options.codec, options.videoPath, error);
}

} // namespace

bool FinishCaptureOptions(const std::set<std::string>& seen, RenderOptions& options,
                          std::string& error) {
    return CheckVideoSwitches(seen, options, error) && CheckMotionBlur(seen, options, error) &&
           CheckContactSheet(seen, options, error);
}
