// The video mode: every frame of a stretch through ffmpeg, with its music.
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_pipe.h"

#include "platform/report.h"

#include <chrono>
#include <cstdio>

namespace {

const char* const kMusicPath = "./resource/noise.ogg";

void ReportDone(const RenderOptions& options, long frames, double seconds) {
    double musicSeconds = static_cast<double>(frames) / options.fps;
    Report("wrote %s: %ld frames, %.3f s of music, in %.1f s (%.1f fps, %.2f times its length)",
           options.videoPath.c_str(), frames, musicSeconds, seconds, frames / seconds,
           seconds / musicSeconds);
}

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

    FrameCapture capture;
    capture.Init(settings.width, settings.height);
    VideoPipe video;
    if (!video.Open(settings))
        return 1;
    ProgressBar progress;
    progress.Start(frames);
    for (long i = 0; i < frames; ++i) {
        production.DrawFrameAt(FrameTime(options.from, options.fps, i));
        if (!video.Write(capture.Read(), capture.FrameBytes())) {
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
