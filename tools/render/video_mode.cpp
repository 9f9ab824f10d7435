// The video mode: every frame of a stretch through ffmpeg, with its music.
// Drawing, reading back and encoding overlap (video_capture.h).
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_capture.h"
#include "tools/render/video_pipe.h"

#include "platform/report.h"

#include <chrono>
#include <cstdio>

namespace {

const char* const kMusicPath = "./resource/noise.ogg";

double Percent(double part, double whole) {
    return whole > 0.0 ? 100.0 * part / whole : 0.0;
}

// The stages' shares are of the drawing thread's wall time; the encoder's
// is the time the writer thread spent handing it frames.
void ReportDone(const RenderOptions& options, long frames, double seconds, const CaptureTimes& t) {
    double musicSeconds = static_cast<double>(frames) / options.fps;
    Report("wrote %s: %ld frames, %.3f s of music, in %.1f s (%.1f fps, %.2f times its length; "
           "%s)",
           options.videoPath.c_str(), frames, musicSeconds, seconds, frames / seconds,
           seconds / musicSeconds, options.encoder.c_str());
    Report("drawing %.0f %%, reading back %.0f %%, waiting for the encoder %.0f %% of the time; "
           "the encoder took frames %.0f %% of it",
           Percent(t.drawing, seconds), Percent(t.readingBack, seconds),
           Percent(t.waitingForEncoder, seconds), Percent(t.writing, seconds));
}

VideoSettings Settings(const RenderOptions& options, const OfflineProduction& production,
                       long frames) {
    VideoSettings settings;
    settings.path = options.videoPath;
    settings.musicPath = kMusicPath;
    settings.width = production.Width();
    settings.height = production.Height();
    settings.fps = options.fps;
    settings.from = options.from;
    settings.seconds = static_cast<double>(frames) / options.fps;
    settings.encoder = options.encoder;
    return settings;
}

} // namespace

int RenderVideo(const RenderOptions& options, OfflineProduction& production) {
    auto started = std::chrono::steady_clock::now();
    long frames = FrameCount(options.from, options.to, options.fps);
    const VideoSettings settings = Settings(options, production, frames);
    VideoPipe video;
    if (!video.Open(settings))
        return 1;
    VideoCapture capture;
    if (!capture.Start(video.Fd(), settings.width, settings.height)) {
        video.Close();
        return 1;
    }
    ProgressBar progress;
    progress.Start(frames);
    for (long i = 0; i < frames; ++i) {
        if (!capture.Add(production, FrameTime(options.from, options.fps, i))) {
            capture.Finish();
            progress.Finish(i);
            Report("ffmpeg stopped taking frames");
            video.Close();
            return 1;
        }
        progress.Update(i + 1);
    }
    const bool written = capture.Finish();
    progress.Finish(frames);
    if (!video.Close() || !written)
        return 1;
    ReportDone(options, frames,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(),
               capture.Times());
    return 0;
}
