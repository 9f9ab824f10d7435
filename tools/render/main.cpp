// zentrafel-render: the production drawn offline, frame-exact, at any size and
// frame rate, without a window, a GPU or a sound card. See RenderUsage.
#include "tools/render/frame_times.h"
#include "tools/render/offline_production.h"
#include "tools/render/render_modes.h"
#include "tools/render/render_options.h"

#include "platform/data_dir.h"
#include "platform/piped_process.h"
#include "platform/report.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kBadArguments = 2;
constexpr int kCannotWrite = 1;
// What the production returns when its start-up fails.
constexpr int kStartupFailed = -1;

int BadArguments(const std::string& reason) {
    Report("%s\n", reason.c_str());
    std::fputs(RenderUsage(), stderr);
    return kBadArguments;
}

// Output paths are the user's, relative to the folder the tool was started
// in, whichever folder the data is then read from.
void FindData(RenderOptions& options) {
    std::error_code ignored;
    for (std::string* path : {&options.outDir, &options.videoPath, &options.sheetPath})
        if (!path->empty())
            *path = std::filesystem::absolute(*path, ignored).string();
    ChangeToDataDirectory();
}

int RunMode(const RenderOptions& options, OfflineProduction& production,
            std::chrono::steady_clock::time_point launched) {
    switch (options.mode) {
    case RenderMode::Stills:
        return RenderStills(options, production);
    case RenderMode::Sequence:
        return RenderSequence(options, production);
    case RenderMode::Video:
        return RenderVideo(options, production);
    case RenderMode::ContactSheet:
        return RenderContactSheet(options, production);
    case RenderMode::Bench:
        return RunBench(production, launched);
    case RenderMode::Help:
    case RenderMode::ListDevices:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    auto launched = std::chrono::steady_clock::now();
    RenderOptions options;
    std::string error;
    if (!ParseRenderOptions(argc, argv, options, error))
        return BadArguments(error);
    if (options.mode == RenderMode::Help) {
        std::fputs(RenderUsage(), stdout);
        return 0;
    }
    if (options.mode == RenderMode::ListDevices) {
        const std::vector<GlDeviceInfo> devices = ListGlDevices();
        std::fputs(devices.empty() ? "no EGL device enumeration: --device surfaceless only\n"
                                   : FormatGlDevices(devices).c_str(),
                   stdout);
        return 0;
    }
    if (options.mode == RenderMode::Video && !FindOnPath("ffmpeg")) {
        Report("ffmpeg is needed to encode the video and is not on PATH (Debian package ffmpeg)");
        return kCannotWrite;
    }

    FindData(options);
    OfflineProduction production;
    if (!production.Start(options.width, options.height, options.device, options.supersample)) {
        if (production.SizeRefusal().empty())
            return kStartupFailed;
        Report("--size %dx%d with --supersample %d: %s", options.width, options.height,
               options.supersample, production.SizeRefusal().c_str());
        return kBadArguments;
    }
    if (options.to < 0.0) {
        options.to = production.MusicLength();
        if (options.from >= options.to)
            return BadArguments("--from " + std::to_string(options.from) +
                                " is not before the end of the music (" +
                                std::to_string(options.to) + " s)");
    }
    if (options.segments > FrameCount(options.from, options.to, options.fps))
        return BadArguments("--segment " + std::to_string(options.segment) + "/" +
                            std::to_string(options.segments) +
                            ": the stretch has fewer frames "
                            "than segments, so some would be empty");
    production.Scenes().allPasses = options.allPasses;
    return RunMode(options, production, launched);
}
