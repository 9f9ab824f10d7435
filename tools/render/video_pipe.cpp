#include "tools/render/video_pipe.h"

#include <cstdio>

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

} // namespace

std::vector<std::string> FfmpegArguments(const VideoSettings& s) {
    std::string size = std::to_string(s.width) + "x" + std::to_string(s.height);
    std::string seconds = Number(s.seconds);
    std::vector<std::string> arguments = {
        "ffmpeg", "-hide_banner", "-loglevel", "error", "-nostats", "-y",
        // The frames, exactly as drawn.
        "-f", "rawvideo", "-pix_fmt", "rgb24", "-video_size", size,
        "-framerate", std::to_string(s.fps), "-i", "pipe:0",
        // The music of the same stretch. Seeking on the input decodes from
        // the nearest page and drops samples up to `from`, so the sound starts
        // with the first frame, not at a page boundary.
        "-ss", Number(s.from), "-t", seconds, "-i", s.musicPath,
        "-map", "0:v:0", "-map", "1:a:0",
    };
    const std::vector<std::string> video =
        s.encoder == "h264_nvenc"
            // The GPU's encoder at constant quality, close to x264's CRF 18.
            ? std::vector<std::string>{"-c:v", "h264_nvenc", "-preset", "p4", "-rc", "vbr",
                                       "-cq", "18", "-b:v", "0", "-pix_fmt", "yuv420p"}
            : std::vector<std::string>{"-c:v", "libx264", "-preset", "veryfast", "-crf", "18",
                                       "-pix_fmt", "yuv420p"};
    arguments.insert(arguments.end(), video.begin(), video.end());
    const std::vector<std::string> rest = {
        // Past the end of the music the sound is silence, not shorter.
        "-c:a", "aac", "-b:a", "192k", "-af", "apad=whole_dur=" + seconds,
        "-t", seconds, "-movflags", "+faststart", s.path,
    };
    arguments.insert(arguments.end(), rest.begin(), rest.end());
    return arguments;
}
