// The two modes that write PNG files: stills at chosen times and numbered
// sequences.
#include "tools/render/frame_times.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"

#include "platform/report.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr size_t kMaxPath = 4096;

bool PrepareOutput(const RenderOptions& options, OfflineProduction& production, Exposure& exposure,
                   PngEncoder& encoder) {
    std::error_code failed;
    std::filesystem::create_directories(options.outDir, failed);
    if (failed) {
        Report("cannot make %s: %s", options.outDir.c_str(), failed.message().c_str());
        return false;
    }
    exposure.Init(production.Width(), production.Height(), ExposureOf(options));
    return encoder.Init(production.Width(), production.Height());
}

// False (errno set) when the joined path does not fit.
bool JoinPath(char (&path)[kMaxPath], const std::string& dir, const char* name) {
    int length = std::snprintf(path, kMaxPath, "%s/%s", dir.c_str(), name);
    if (length < 0 || static_cast<size_t>(length) >= kMaxPath) {
        errno = ENAMETOOLONG;
        return false;
    }
    return true;
}

} // namespace

ExposureSettings ExposureOf(const RenderOptions& options) {
    return {options.motionBlur, options.shutter, options.fps, options.supersample};
}

bool WriteFramePng(OfflineProduction& production, Exposure& exposure, PngEncoder& encoder, double t,
                   const char* path) {
    if (!encoder.Encode(exposure.Take(production, t))) {
        errno = ENOMEM;
        return false;
    }
    return encoder.WriteFile(path);
}

int RenderStills(const RenderOptions& options, OfflineProduction& production) {
    Exposure exposure;
    PngEncoder encoder;
    if (!PrepareOutput(options, production, exposure, encoder))
        return 1;
    for (double t : options.stillTimes) {
        char name[64];
        char path[kMaxPath];
        StillName(t, name, sizeof name);
        if (!JoinPath(path, options.outDir, name) ||
            !WriteFramePng(production, exposure, encoder, t, path)) {
            Report("cannot write %s: %s", path, std::strerror(errno));
            return 1;
        }
    }
    return 0;
}

int RenderSequence(const RenderOptions& options, OfflineProduction& production) {
    Exposure exposure;
    PngEncoder encoder;
    if (!PrepareOutput(options, production, exposure, encoder))
        return 1;
    long frames = FrameCount(options.from, options.to, options.fps);
    ProgressBar progress(frames);
    for (long i = 0; i < frames; ++i) {
        char name[64];
        char path[kMaxPath];
        SequenceName(i, name, sizeof name);
        if (!JoinPath(path, options.outDir, name) ||
            !WriteFramePng(production, exposure, encoder, FrameTime(options.from, options.fps, i),
                           path)) {
            progress.Finish(i);
            Report("cannot write %s: %s", path, std::strerror(errno));
            return 1;
        }
        progress.Update(i + 1);
    }
    progress.Finish(frames);
    return 0;
}
