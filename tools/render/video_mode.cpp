// The video mode: every frame of a stretch through ffmpeg, with its music and
// its chapters.
#include "tools/render/chapters.h"
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_pipe.h"

#include "platform/report.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

const char* const kMusicPath = "./resource/noise.ogg";

void ReportDone(const RenderOptions& options, long frames, double seconds) {
    double musicSeconds = static_cast<double>(frames) / options.fps;
    Report("wrote %s: %ld frames, %.3f s of music, in %.1f s (%.1f fps, %.2f times its length)",
           options.videoPath.c_str(), frames, musicSeconds, seconds, frames / seconds,
           seconds / musicSeconds);
}

// The chapters for ffmpeg, in a temporary file that lives as long as this.
class ChapterFile {
public:
    ChapterFile(const ChapterFile&) = delete;
    ChapterFile& operator=(const ChapterFile&) = delete;
    ChapterFile() = default;
    ~ChapterFile() {
        if (!path.empty())
            unlink(path.c_str());
    }

    // False (with a message) when the file cannot be written.
    bool Write(const std::string& text) {
        std::error_code ignored;
        std::string name =
            (std::filesystem::temp_directory_path(ignored) / "zentrafel-chapters-XXXXXX").string();
        int fd = mkstemp(&name[0]);
        if (fd < 0) {
            Report("no file for the chapters: %s", std::strerror(errno));
            return false;
        }
        path = name;
        bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        close(fd);
        if (!written)
            Report("cannot write the chapters to %s", path.c_str());
        return written;
    }
    const std::string& Path() const { return path; }

private:
    std::string path;
};

} // namespace

int RenderVideo(const RenderOptions& options, OfflineProduction& production) {
    auto started = std::chrono::steady_clock::now();
    long frames = FrameCount(options.from, options.to, options.fps);
    VideoSettings settings;
    settings.path = options.videoPath;
    settings.musicPath = kMusicPath;
    settings.width = production.Width();
    settings.height = production.Height();
    settings.fps = options.fps;
    settings.from = options.from;
    settings.seconds = static_cast<double>(frames) / options.fps;
    settings.codec = options.codec;
    settings.crf = options.crf;
    settings.preset = options.preset;
    ChapterFile chapters;
    if (!chapters.Write(ChapterMetadata(ChaptersOf(options.from, settings.seconds))))
        return 1;
    settings.chaptersPath = chapters.Path();

    Exposure exposure;
    exposure.Init(settings.width, settings.height, ExposureOf(options));
    VideoPipe video;
    if (!video.Open(settings))
        return 1;
    ProgressBar progress;
    progress.Start(frames);
    for (long i = 0; i < frames; ++i) {
        const unsigned char* frame =
            exposure.Take(production, FrameTime(options.from, options.fps, i));
        if (!video.Write(frame, exposure.FrameBytes())) {
            progress.Finish(i);
            Report("ffmpeg stopped taking frames");
            video.Close();
            return 1;
        }
        progress.Update(i + 1);
    }
    progress.Finish(frames);
    if (!video.Close())
        return 1;
    ReportDone(options, frames,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    return 0;
}
