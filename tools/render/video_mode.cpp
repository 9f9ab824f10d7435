// The video mode: every frame of a stretch through ffmpeg, with its music and
// its chapters; or, for a farm, one segment of the stretch's frames without
// them. Plain frames are drawn, read back and encoded overlapping
// (video_capture.h); motion-blurred or supersampled ones are taken whole,
// one after another (exposure.h), as their subframes must be summed first.
#include "tools/render/chapters.h"
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_capture.h"
#include "tools/render/video_pipe.h"

#include "platform/report.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

const char* const kMusicPath = "./resource/noise.ogg";

double Percent(double part, double whole) {
    return whole > 0.0 ? 100.0 * part / whole : 0.0;
}

// The stages' shares are of the drawing thread's wall time; the encoder's
// is the time the writer thread spent handing it frames. Taken whole, a
// frame has no stages to tell apart (`t` null).
void ReportDone(const RenderOptions& options, long frames, double seconds, const CaptureTimes* t) {
    double musicSeconds = static_cast<double>(frames) / options.fps;
    Report("wrote %s: %ld frames, %.3f s of music, in %.1f s (%.1f fps, %.2f times its length; "
           "%s)",
           options.videoPath.c_str(), frames, musicSeconds, seconds, frames / seconds,
           seconds / musicSeconds, options.encoder.c_str());
    if (t)
        Report("drawing %.0f %%, reading back %.0f %%, waiting for the encoder %.0f %% of the "
               "time; the encoder took frames %.0f %% of it",
               Percent(t->drawing, seconds), Percent(t->readingBack, seconds),
               Percent(t->waitingForEncoder, seconds), Percent(t->writing, seconds));
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

// A segment's chapters are those of the whole stretch, for the join to put
// into the joined video; they go to FILE.chapters beside the segment.
bool WriteSegmentChapters(const std::string& videoPath, const std::string& text) {
    std::string path = videoPath + ".chapters";
    std::FILE* file = std::fopen(path.c_str(), "w");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        Report("cannot write the chapters to %s", path.c_str());
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

// The frames of the stretch this run draws: all, or one segment's, whose
// times come from their index in the whole stretch.
FrameRange FramesToDraw(const RenderOptions& options) {
    long total = FrameCount(options.from, options.to, options.fps);
    return options.segments > 0 ? SegmentFrames(total, options.segment, options.segments)
                                : FrameRange{0, total};
}

VideoSettings Settings(const RenderOptions& options, const OfflineProduction& production,
                       const FrameRange& range) {
    VideoSettings settings;
    settings.path = options.videoPath;
    // A segment's music is muxed once, over the whole joined stretch, as are
    // its chapters.
    settings.musicPath = options.segments > 0 ? "" : kMusicPath;
    settings.width = production.Width();
    settings.height = production.Height();
    settings.fps = options.fps;
    settings.from = FrameTime(options.from, options.fps, range.begin);
    settings.seconds = static_cast<double>(range.end - range.begin) / options.fps;
    settings.encoder = options.encoder;
    settings.codec = options.codec;
    settings.crf = options.crf;
    settings.preset = options.preset;
    return settings;
}

// False once ffmpeg has stopped taking frames; `done` counts those written,
// -1 when the read-back could not start (it has said why).
bool WriteOverlapped(const RenderOptions& options, OfflineProduction& production, VideoPipe& video,
                     const FrameRange& range, ProgressBar& progress, long& done,
                     CaptureTimes& times) {
    const long frames = range.end - range.begin;
    VideoCapture capture;
    if (!capture.Start(video.Fd(), production.Width(), production.Height())) {
        done = -1;
        return false;
    }
    for (done = 0; done < frames; ++done) {
        if (!capture.Add(production, FrameTime(options.from, options.fps, range.begin + done))) {
            capture.Finish();
            return false;
        }
        progress.Update(done + 1);
    }
    const bool written = capture.Finish();
    times = capture.Times();
    return written;
}

bool WriteExposed(const RenderOptions& options, OfflineProduction& production, VideoPipe& video,
                  const FrameRange& range, ProgressBar& progress, long& done) {
    const long frames = range.end - range.begin;
    Exposure exposure;
    exposure.Init(production.Width(), production.Height(), ExposureOf(options));
    for (done = 0; done < frames; ++done) {
        const unsigned char* frame =
            exposure.Take(production, FrameTime(options.from, options.fps, range.begin + done));
        if (!video.Write(frame, exposure.FrameBytes()))
            return false;
        progress.Update(done + 1);
    }
    return true;
}

} // namespace

int RenderVideo(const RenderOptions& options, OfflineProduction& production) {
    auto started = std::chrono::steady_clock::now();
    const FrameRange range = FramesToDraw(options);
    const long frames = range.end - range.begin;
    VideoSettings settings = Settings(options, production, range);
    ChapterFile chapters;
    if (!PlaceChapters(options, FrameCount(options.from, options.to, options.fps), chapters,
                       settings))
        return 1;
    VideoPipe video;
    if (!video.Open(settings))
        return 1;

    const bool whole = options.motionBlur > 1 || options.supersample > 1;
    ProgressBar progress;
    progress.Start(frames);
    long done = 0;
    CaptureTimes times;
    const bool written =
        whole ? WriteExposed(options, production, video, range, progress, done)
              : WriteOverlapped(options, production, video, range, progress, done, times);
    progress.Finish(done < 0 ? 0 : done);
    if (!written) {
        if (done >= 0)
            Report("ffmpeg stopped taking frames");
        video.Close();
        return 1;
    }
    if (!video.Close())
        return 1;
    ReportDone(options, frames,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(),
               whole ? nullptr : &times);
    return 0;
}
