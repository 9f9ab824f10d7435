#include "tools/render/capture_options.h"

#include "tools/render/option_values.h"

namespace {

bool ApplyCodec(const std::string& value, RenderOptions& options, std::string& error) {
    if (ParseVideoCodec(value, options.codec))
        return true;
    error = "--codec wants h264, hevc or ffv1: '" + value + "'";
    return false;
}

bool ApplyCrf(const std::string& value, RenderOptions& options, std::string& error) {
    if (ParseInt(value, 0, kMaxCrf, options.crf))
        return true;
    error = "--crf wants a whole number from 0 (best) to " + std::to_string(kMaxCrf) + ": '" +
            value + "'";
    return false;
}

bool ApplyPreset(const std::string& value, RenderOptions& options, std::string& error) {
    if (IsEncoderPreset(value)) {
        options.preset = value;
        return true;
    }
    error = "--preset wants one of ultrafast, superfast, veryfast, faster, fast, medium, slow, "
            "slower, veryslow, placebo: '" +
            value + "'";
    return false;
}

bool ApplyMotionBlur(const std::string& value, RenderOptions& options, std::string& error) {
    if (ParseInt(value, 1, kMaxSubframes, options.motionBlur))
        return true;
    error = "--motion-blur wants a number of subframes from 1 to " + std::to_string(kMaxSubframes) +
            ": '" + value + "'";
    return false;
}

bool ApplyShutter(const std::string& value, RenderOptions& options, std::string& error) {
    if (ParseFraction(value, 0.0, 1.0, options.shutter) && options.shutter > 0.0)
        return true;
    error = "--shutter wants the open part of the frame interval, more than 0 and at most 1: '" +
            value + "'";
    return false;
}

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

bool ApplySheetValue(const std::string& name, const std::string& value, RenderOptions& options,
                     std::string& error) {
    if (name == "--contact-sheet") {
        options.sheetPath = value;
        if (value.size() > 4 && value.compare(value.size() - 4, 4, ".png") == 0)
            return true;
        error = "--contact-sheet writes a PNG file: '" + value + "' does not end in .png";
    } else if (name == "--columns") {
        if (ParseInt(value, 1, kMaxSheetColumns, options.sheetColumns))
            return true;
        error = "--columns wants a whole number from 1 to " + std::to_string(kMaxSheetColumns) +
                ": '" + value + "'";
    } else {
        if (ParseInt(value, 1, kMaxSheetCount, options.sheetCount))
            return true;
        error = "--count wants a whole number from 1 to " + std::to_string(kMaxSheetCount) + ": '" +
                value + "'";
    }
    return false;
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

bool IsCaptureOption(const std::string& name) {
    static const char* const names[] = {"--codec",       "--crf",           "--preset",
                                        "--motion-blur", "--shutter",       "--columns",
                                        "--count",       "--contact-sheet", "--supersample"};
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

bool ApplyCaptureValue(const std::string& name, const std::string& value, RenderOptions& options,
                       std::string& error) {
    if (name == "--codec")
        return ApplyCodec(value, options, error);
    if (name == "--crf")
        return ApplyCrf(value, options, error);
    if (name == "--motion-blur")
        return ApplyMotionBlur(value, options, error);
    if (name == "--shutter")
        return ApplyShutter(value, options, error);
    if (name == "--supersample") {
        if (ParseInt(value, 1, kMaxSupersample, options.supersample))
            return true;
        error = "--supersample wants a factor from 1 to " + std::to_string(kMaxSupersample) +
                ": '" + value + "'";
        return false;
    }
    if (name == "--contact-sheet" || name == "--columns" || name == "--count")
        return ApplySheetValue(name, value, options, error);
    return ApplyPreset(value, options, error);
}

bool FinishCaptureOptions(const std::set<std::string>& seen, RenderOptions& options,
                          std::string& error) {
    return CheckVideoSwitches(seen, options, error) && CheckMotionBlur(seen, options, error) &&
           CheckContactSheet(seen, options, error);
}
