// The video mode: every frame of a stretch through ffmpeg, with its music;
// or, for a farm, one segment of the stretch's frames without it.
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"
#include "tools/render/video_pipe.h"

#include <chrono>
#include <cstdio>

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
    // A segment's music is muxed once, over the whole joined stretch.
    settings.musicPath = options.segments > 0 ? "" : kMusicPath;
    settings.width = production.Width();
    settings.height = production.Height();
    settings.fps = options.fps;
    settings.from = FrameTime(options.from, options.fps, range.begin);
    settings.seconds = static_cast<double>(frames) / options.fps;

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
