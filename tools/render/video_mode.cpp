// The video mode: every frame of a stretch through ffmpeg, with its music and
// its chapters; or, for a farm, one segment of the stretch's frames without
// them. The frames go straight into ffmpeg's standard input, so nothing is
// allocated per frame; ffmpeg's own output goes to our stderr, never to our
// stdout. Plain frames are drawn, read back and encoded overlapping
// (video_capture.h); motion-blurred or supersampled ones are taken whole,
// one after another (exposure.h), as their subframes must be summed first.
#include "tools/render/chapters.h"
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_capture.h"
#include "tools/render/video_codec.h"

#include "platform/piped_process.h"
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
    // The encoder ffmpeg was given ("-c:v NAME ..."), not only the H.264 one.
    const std::string encoder =
        VideoEncoderArguments(options.codec, options.encoder, options.crf, options.preset)[1];
    Report("wrote %s: %ld frames, %.3f s of music, in %.1f s (%.1f fps, %.2f times its length; "
           "%s)",
           options.videoPath.c_str(), frames, musicSeconds, seconds, frames / seconds,
           seconds / musicSeconds, encoder.c_str());
    if (t)
        Report("drawing %.0f %%, reading back %.0f %%, waiting for the encoder %.0f %% of the "
               "time; the encoder took frames %.0f %% of it",
               Percent(t->drawing, seconds), Percent(t->readingBack, seconds),
               Percent(t->waitingForEncoder, seconds), Percent(t->writing, seconds));
}

// Writes the chapters into `file`, opened on `path`, and closes it; false
// (with a message) when it cannot.
bool WriteChapters(std::FILE* file, const std::string& path, const std::string& text) {
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        Report("cannot write the chapters to %s", path.c_str());
    return written;
}

// A file that lives as long as this.
struct TemporaryFile {
    std::string path;
    ~TemporaryFile() {
        if (!path.empty())
            std::remove(path.c_str());
    }
};

// A whole video carries its chapters in itself, given to ffmpeg in a
// temporary file; a segment's are those of the whole stretch, for the join to
// put into the joined video, and go to FILE.chapters beside the segment.
// `total`: the frames of the whole stretch.
bool PlaceChapters(const RenderOptions& options, long total, TemporaryFile& temporary) {
    const double seconds = static_cast<double>(total) / options.fps;
    const std::string text = ChapterMetadata(ChaptersOf(options.from, seconds));
    if (options.segments > 0) {
        const std::string path = options.videoPath + ".chapters";
        return WriteChapters(std::fopen(path.c_str(), "w"), path, text);
    }
    std::error_code ignored;
    std::string name =
        (std::filesystem::temp_directory_path(ignored) / "zentrafel-chapters-XXXXXX").string();
    int fd = mkstemp(&name[0]);
    if (fd < 0) {
        Report("no file for the chapters: %s", std::strerror(errno));
        return false;
    }
    temporary.path = name;
    return WriteChapters(fdopen(fd, "wb"), name, text);
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// ffmpeg's command line for the frames of `range`, width × height, written
// into its standard input: encoded with the chosen codec, with the music of
// the same stretch muxed in so that picture and sound start together and
// last equally long, and the chapters in `chaptersPath`.
std::vector<std::string> FfmpegArguments(const RenderOptions& options, int width, int height,
                                         const FrameRange& range, const std::string& chaptersPath) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    const std::string seconds = Number(static_cast<double>(range.end - range.begin) / options.fps);
    // A segment's music is muxed once, over the whole joined stretch, as are
    // its chapters.
    const bool music = options.segments == 0;
    std::vector<std::string> arguments = {"ffmpeg", "-hide_banner", "-loglevel",
                                          "error",  "-nostats",     "-y"};
    // The frames, exactly as drawn.
    Append(arguments, {"-f", "rawvideo", "-pix_fmt", "rgb24", "-video_size", size, "-framerate",
                       std::to_string(options.fps), "-i", "pipe:0"});
    if (music)
        // The music of the same stretch. Seeking on the input decodes from
        // the nearest page and drops samples up to the first frame's time, so
        // the sound starts with the first frame, not at a page boundary.
        Append(arguments, {"-ss", Number(FrameTime(options.from, options.fps, range.begin)), "-t",
                           seconds, "-i", kMusicPath});
    if (!chaptersPath.empty())
        Append(arguments,
               {"-f", "ffmetadata", "-i", chaptersPath, "-map_chapters", music ? "2" : "1"});
    Append(arguments, {"-map", "0:v:0"});
    if (music)
        Append(arguments, {"-map", "1:a:0"});
    Append(arguments,
           VideoEncoderArguments(options.codec, options.encoder, options.crf, options.preset));
    if (music) {
        Append(arguments, AudioEncoderArguments(options.codec));
        // Past the end of the music the sound is silence, not shorter.
        Append(arguments, {"-af", "apad=whole_dur=" + seconds});
    }
    Append(arguments, {"-t", seconds});
    if (!IsLossless(options.codec))
        Append(arguments, {"-movflags", "+faststart"});
    arguments.push_back(options.videoPath);
    return arguments;
}

// False once ffmpeg has stopped taking frames; `done` counts those written,
// -1 when the read-back could not start (it has said why).
bool WriteOverlapped(const RenderOptions& options, OfflineProduction& production,
                     PipedProcess& ffmpeg, const FrameRange& range, ProgressBar& progress,
                     long& done, CaptureTimes& times) {
    const long frames = range.end - range.begin;
    VideoCapture capture;
    if (!capture.Start(ffmpeg.Fd(), production.Width(), production.Height())) {
        done = -1;
        return false;
    }
    for (done = 0; done < frames; ++done) {
        if (!capture.Add(production, FrameTime(options.from, options.fps, range.begin + done)))
            break;
        progress.Update(done + 1);
    }
    // Finished also after a failed frame, to end the writer thread.
    const bool written = capture.Finish() && done == frames;
    times = capture.Times();
    return written;
}

bool WriteExposed(const RenderOptions& options, OfflineProduction& production, PipedProcess& ffmpeg,
                  const FrameRange& range, ProgressBar& progress, long& done) {
    const long frames = range.end - range.begin;
    Exposure exposure;
    exposure.Init(production.Width(), production.Height(), ExposureOf(options));
    for (done = 0; done < frames; ++done) {
        const unsigned char* frame =
            exposure.Take(production, FrameTime(options.from, options.fps, range.begin + done));
        if (!WriteToPipe(ffmpeg.Fd(), frame, exposure.FrameBytes()))
            return false;
        progress.Update(done + 1);
    }
    return true;
}

} // namespace

int RenderVideo(const RenderOptions& options, OfflineProduction& production) {
    auto started = std::chrono::steady_clock::now();
    const long total = FrameCount(options.from, options.to, options.fps);
    // The frames of the stretch this run draws: all, or one segment's, whose
    // times come from their index in the whole stretch.
    const FrameRange range = options.segments > 0
                                 ? SegmentFrames(total, options.segment, options.segments)
                                 : FrameRange{0, total};
    const long frames = range.end - range.begin;
    TemporaryFile chapters;
    if (!PlaceChapters(options, total, chapters))
        return 1;
    PipedProcess ffmpeg;
    if (!ffmpeg.Start(FfmpegArguments(options, production.Width(), production.Height(), range,
                                      chapters.path)))
        return 1;

    const bool whole = options.motionBlur > 1 || options.supersample > 1;
    ProgressBar progress(frames);
    long done = 0;
    CaptureTimes times;
    const bool written =
        whole ? WriteExposed(options, production, ffmpeg, range, progress, done)
              : WriteOverlapped(options, production, ffmpeg, range, progress, done, times);
    progress.Finish(done < 0 ? 0 : done);
    if (!written) {
        if (done >= 0)
            Report("ffmpeg stopped taking frames");
        ffmpeg.Finish();
        return 1;
    }
    if (!ffmpeg.Finish())
        return 1;
    ReportDone(options, frames,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(),
               whole ? nullptr : &times);
    return 0;
}
