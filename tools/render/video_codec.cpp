#include "tools/render/video_codec.h"

#include <algorithm>
#include <iterator>

namespace {

// In the enum's order.
const char* const kCodecNames[] = {"h264", "hevc", "ffv1"};
// The defaults are the ones every video had before codecs could be chosen,
// so a plain --video keeps giving the same file.
constexpr int kDefaultCrf = 18;
const char* const kDefaultPreset = "veryfast";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

bool ParseVideoCodec(const std::string& name, VideoCodec& codec) {
    for (size_t i = 0; i < std::size(kCodecNames); ++i) {
        if (name == kCodecNames[i]) {
            codec = static_cast<VideoCodec>(i);
            return true;
        }
    }
    return false;
}

const char* VideoCodecName(VideoCodec codec) {
    return kCodecNames[static_cast<int>(codec)];
}
bool IsLossless(VideoCodec codec) {
    return codec == VideoCodec::Ffv1;
}

std::string ContainerRefusal(VideoCodec codec, const std::string& path) {
    if (EndsWith(path, IsLossless(codec) ? ".mkv" : ".mp4"))
        return "";
    if (IsLossless(codec))
        return "--codec ffv1 writes a Matroska file (.mkv): MP4 and the other containers "
               "cannot hold FFV1 video with FLAC sound; '" +
               path + "' does not end in .mkv";
    return std::string("--codec ") + VideoCodecName(codec) +
           " writes an MP4 file (.mp4) with AAC sound, as players and upload sites "
           "expect; '" +
           path + "' does not end in .mp4 (for Matroska use --codec ffv1)";
}

bool IsEncoderPreset(const std::string& preset) {
    static const char* const presets[] = {"ultrafast", "superfast", "veryfast", "faster",
                                          "fast",      "medium",    "slow",     "slower",
                                          "veryslow",  "placebo"};
    return std::find(std::begin(presets), std::end(presets), preset) != std::end(presets);
}

std::vector<std::string> VideoEncoderArguments(VideoCodec codec, const std::string& encoder,
                                               int crf, const std::string& preset) {
    if (IsLossless(codec))
        // bgr0 keeps the drawn RGB exactly; level 3 codes slices in parallel
        // with a checksum each, so a damaged master shows where.
        return {"-c:v", "ffv1", "-level", "3", "-slicecrc", "1", "-pix_fmt", "bgr0"};
    std::string quality = std::to_string(crf < 0 ? kDefaultCrf : crf);
    if (encoder == "h264_nvenc")
        // The GPU's encoder at constant quality, close to x264's CRF 18.
        return {"-c:v", "h264_nvenc", "-preset", "p4", "-rc",      "vbr",
                "-cq",  quality,      "-b:v",    "0",  "-pix_fmt", "yuv420p"};
    std::string speed = preset.empty() ? kDefaultPreset : preset;
    if (codec == VideoCodec::H264)
        return {"-c:v", "libx264", "-preset", speed, "-crf", quality, "-pix_fmt", "yuv420p"};
    // hvc1 is the tag the players that care about it read HEVC in MP4 by.
    return {"-c:v",     "libx265", "-preset", speed,  "-crf",         quality,
            "-pix_fmt", "yuv420p", "-tag:v",  "hvc1", "-x265-params", "log-level=error"};
}

std::vector<std::string> AudioEncoderArguments(VideoCodec codec) {
    if (IsLossless(codec))
        return {"-c:a", "flac"};
    return {"-c:a", "aac", "-b:a", "192k"};
}
