// The video mode: every frame of a stretch through ffmpeg, with its music and
// its chapters; or, for a farm, one segment of the stretch's frames without
// them.
#include "tools/render/chapters.h"
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_pipe.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

const char* const kMusicPath = "./resource/noise.ogg";

void ReportDone(const RenderOptions& options, long frames, double seconds) {
    double musicSeconds = static_cast<double>(frames) / options.fps;
    std::fprintf(stderr,
                 "zentrafel-render: wrote %s: %ld frames, %.3f s of music, in %.1f s "
                 "(%.1f fps, %.2f times its length)\n",
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
            std::perror("zentrafel-render: no file for the chapters");
            return false;
        }
        path = name;
        bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        close(fd);
        if (!written)
            std::fprintf(stderr, "zentrafel-render: cannot write the chapters to %s\n",
                         path.c_str());
        return written;
    }
    const std::string& Path() const { return path; }

private:
    std::string path;
};

// A segment's chapters are those of the whole stretch, for the join to put
// into the joined video; they go to FILE.chapters beside the segment.
bool WriteSegmentChapters(const std::string& videoPath, const std::string& text) {
    std::string path = videoPath + ".chapters";
    std::FILE* file = std::fopen(path.c_str(), "w");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        std::fprintf(stderr, "zentrafel-render: cannot write the chapters to %s\n", path.c_str());
    return written;
}

// A whole video carries its chapters in itself; a segment leaves them beside.
bool PlaceChapters(const RenderOptions& options, long totalFrames, ChapterFile& file,
                   VideoSettings& settings) {
    double seconds = static_cast<double>(totalFrames) / options.fps;
    std::string text = ChapterMetadata(ChaptersOf(options.from, seconds));
    if (options.segments > 0)
        return WriteSegmentChapters(options.videoPath, text);
    if (!file.Write(text))
        return false;
    settings.chaptersPath = file.Path();
    return true;
}

} // namespace

int RenderVideo(const RenderOptions& options, OfflineProduction& production) {
    auto started = std::chrono::steady_clock::now();
    long total = FrameCount(options.from, options.to, options.fps);
    FrameRange range = options.segments > 0
                           ? SegmentFrames(total, options.segment, options.segments)
                           : FrameRange{0, total};
    long frames = range.end - range.begin;
    VideoSettings settings;
    settings.path = options.videoPath;
    // A segment's music is muxed once, over the whole joined stretch, as
    // are its chapters.
    settings.musicPath = options.segments > 0 ? "" : kMusicPath;
    settings.width = production.Width();
    settings.height = production.Height();
    settings.fps = options.fps;
    settings.from = FrameTime(options.from, options.fps, range.begin);
    settings.seconds = static_cast<double>(frames) / options.fps;
    settings.codec = options.codec;
    settings.crf = options.crf;
    settings.preset = options.preset;
    ChapterFile chapters;
    if (!PlaceChapters(options, total, chapters, settings))
        return 1;

    FrameCapture capture;
    capture.Init(settings.width, settings.height);
    VideoPipe video;
    if (!video.Open(settings))
        return 1;
    ProgressBar progress;
    progress.Start(frames);
    for (long i = 0; i < frames; ++i) {
        // Times from the global index: a segment's frames are exactly those
        // the whole video has at the same places.
        production.DrawFrameAt(FrameTime(options.from, options.fps, range.begin + i));
        if (!video.Write(capture.Read(), capture.FrameBytes())) {
            progress.Finish(i);
            std::fprintf(stderr, "zentrafel-render: ffmpeg stopped taking frames\n");
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
