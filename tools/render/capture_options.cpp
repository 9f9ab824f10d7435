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

bool CheckVideoSwitches(const std::set<std::string>& seen, const RenderOptions& options,
                        std::string& error) {
    auto has = [&seen](const char* name) { return seen.count(name) != 0; };
    bool encoder = has("--codec") || has("--crf") || has("--preset");
    if (options.mode != RenderMode::Video) {
        if (encoder)
            error = "--codec, --crf and --preset are for --video";
        return !encoder;
    }
    if (IsLossless(options.codec) && (has("--crf") || has("--preset"))) {
        error = "--codec ffv1 is lossless: --crf and --preset are for h264 and hevc";
        return false;
    }
    return ContainerFits(options.codec, options.videoPath, error);
}

} // namespace

bool IsCaptureOption(const std::string& name) {
    static const char* const names[] = {"--codec", "--crf", "--preset"};
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
    return ApplyPreset(value, options, error);
}

bool CheckCaptureOptions(const std::set<std::string>& seen, const RenderOptions& options,
                         std::string& error) {
    return CheckVideoSwitches(seen, options, error);
}
