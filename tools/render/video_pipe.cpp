#include "tools/render/video_pipe.h"

#include "platform/report.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern char** environ;

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

bool FindOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t colon = dirs.find(':', start);
        std::string dir = dirs.substr(start, colon - start);
        std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return true;
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return false;
}

std::vector<std::string> FfmpegArguments(const VideoSettings& s) {
    std::string size = std::to_string(s.width) + "x" + std::to_string(s.height);
    std::string seconds = Number(s.seconds);
    bool music = !s.musicPath.empty();
    std::vector<std::string> arguments = {
        "ffmpeg", "-hide_banner", "-loglevel", "error", "-nostats", "-y",
        // The frames, exactly as drawn.
        "-f", "rawvideo", "-pix_fmt", "rgb24", "-video_size", size,
        "-framerate", std::to_string(s.fps), "-i", "pipe:0",
    };
    if (music)
        // The music of the same stretch. Seeking on the input decodes from
        // the nearest page and drops samples up to `from`, so the sound
        // starts with the first frame, not at a page boundary.
        Append(arguments, {"-ss", Number(s.from), "-t", seconds, "-i", s.musicPath});
    if (!s.chaptersPath.empty())
        Append(arguments, {"-f", "ffmetadata", "-i", s.chaptersPath, "-map_chapters",
                           music ? "2" : "1"});
    Append(arguments, {"-map", "0:v:0"});
    if (music)
        Append(arguments, {"-map", "1:a:0"});
    if (s.encoder == "h264_nvenc")
        // The GPU's encoder at constant quality, close to x264's CRF 18.
        Append(arguments, {"-c:v", "h264_nvenc", "-preset", "p4", "-rc", "vbr", "-cq",
                           std::to_string(s.crf < 0 ? 18 : s.crf), "-b:v", "0", "-pix_fmt",
                           "yuv420p"});
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

VideoPipe::~VideoPipe() {
    if (fd >= 0 || child > 0)
        Close();
}

bool VideoPipe::Open(const VideoSettings& settings) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        Report("no pipe to ffmpeg: %s", std::strerror(errno));
        return false;
    }
    // A write after ffmpeg has quit must fail with EPIPE, not end us silently.
    std::signal(SIGPIPE, SIG_IGN);

    std::vector<std::string> arguments = FfmpegArguments(settings);
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    int failed = posix_spawnp(&child, "ffmpeg", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (failed) {
        Report("cannot start ffmpeg: %s", std::strerror(failed));
        close(ends[1]);
        child = -1;
        return false;
    }
    fd = ends[1];
    return true;
}

bool VideoPipe::Write(const unsigned char* frame, size_t bytes) {
    while (bytes > 0) {
        ssize_t n = write(fd, frame, bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        frame += n;
        bytes -= static_cast<size_t>(n);
    }
    return true;
}

bool VideoPipe::Close() {
    if (fd >= 0)
        close(fd);
    fd = -1;
    if (child <= 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    child = -1;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    if (WIFEXITED(status))
        Report("ffmpeg failed with status %d",
                     WEXITSTATUS(status));
    else
        Report("ffmpeg was ended by a signal");
    return false;
}
