#include "tools/render/video_pipe.h"

#include <cstdio>

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

} // namespace

std::vector<std::string> FfmpegArguments(const VideoSettings& s) {
    std::string size = std::to_string(s.width) + "x" + std::to_string(s.height);
    std::string seconds = Number(s.seconds);
    bool music = !s.musicPath.empty();
    std::vector<std::string> arguments = {
        "ffmpeg",
        "-hide_banner",
        "-loglevel",
        "error",
        "-nostats",
        "-y",
        // The frames, exactly as drawn.
        "-f",
        "rawvideo",
        "-pix_fmt",
        "rgb24",
        "-video_size",
        size,
        "-framerate",
        std::to_string(s.fps),
        "-i",
        "pipe:0",
    };
    if (music)
        // The music of the same stretch. Seeking on the input decodes from
        // the nearest page and drops samples up to `from`, so the sound
        // starts with the first frame, not at a page boundary.
        Append(arguments, {"-ss", Number(s.from), "-t", seconds, "-i", s.musicPath});
    if (!s.chaptersPath.empty())
        Append(arguments,
               {"-f", "ffmetadata", "-i", s.chaptersPath, "-map_chapters", music ? "2" : "1"});
    Append(arguments, {"-map", "0:v:0"});
    if (music)
        Append(arguments, {"-map", "1:a:0"});
    if (s.encoder == "h264_nvenc")
        // The GPU's encoder at constant quality, close to x264's CRF 18.
        Append(arguments,
               {"-c:v", "h264_nvenc", "-preset", "p4", "-rc", "vbr", "-cq",
                std::to_string(s.crf < 0 ? 18 : s.crf), "-b:v", "0", "-pix_fmt", "yuv420p"});
    else
        Append(arguments, VideoEncoderArguments(s.codec, s.crf, s.preset));
    if (music) {
        Append(arguments, AudioEncoderArguments(s.codec));
        // Past the end of the music the sound is silence, not shorter.
        Append(arguments, {"-af", "apad=whole_dur=" + seconds});
    }
    Append(arguments, {"-t", seconds});
    if (!IsLossless(s.codec))
        Append(arguments, {"-movflags", "+faststart"});
    arguments.push_back(s.path);
    return arguments;
}

bool VideoPipe::Open(const VideoSettings& settings) {
    return ffmpeg.Start(FfmpegArguments(settings));
}

bool VideoPipe::Write(const unsigned char* frame, size_t bytes) {
    return WriteToPipe(ffmpeg.Fd(), frame, bytes);
}

bool VideoPipe::Close() {
    return ffmpeg.Finish();
}
