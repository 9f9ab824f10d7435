// zentrafel-bench soak: the production drawn offline for many frames at
// random music times, seeking in every direction over every section, with
// the process's resident memory reported as it goes. scripts/soak runs it
// and judges the growth; a steady state shows nothing kept per frame or per
// seek.
//
// Prints "rss FRAME KIB" every kSampleEvery frames and at the end, then the
// frames per section and the count of frames that left a GL error. Exit
// status: 0 done without GL errors, 1 GL errors, 255 start-up failed (as the
// production).
#include "scenes/sections.h"
#include "tools/bench/bench_modes.h"
#include "tools/render/frame_capture.h"
#include "tools/render/offline_production.h"

#include <GL/glew.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr long kSampleEvery = 250;
constexpr int kStartupFailed = -1;

// VmRSS of this process in KiB, or -1 when /proc does not tell.
long ResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string word;
    long kib = -1;
    while (status >> word)
        if (word == "VmRSS:")
            status >> kib;
    return kib;
}

} // namespace

int RunSoak(const BenchOptions& options) {
    // Small frames: the memory is the question, not the pixels.
    BenchOptions small = options;
    small.width = 64;
    small.height = 36;
    OfflineProduction production;
    if (!StartBenchProduction(production, small, "soak"))
        return kStartupFailed;
    FrameCapture capture;
    capture.Init(small.width, small.height);

    const long frames = options.frames;
    std::mt19937_64 random(static_cast<unsigned long>(options.seed));
    std::uniform_real_distribution<double> anyTime(0.0, production.MusicLength());
    long perSection[6] = {}; // the six sections of scenes/sections.h
    long glErrors = 0;
    for (long i = 0; i < frames; ++i) {
        if (i % kSampleEvery == 0)
            std::printf("rss %ld %ld\n", i, ResidentKib());
        const double t = anyTime(random);
        production.DrawFrameAt(t);
        // Reading the frame back waits for the driver to draw it.
        capture.Read();
        glErrors += glGetError() != GL_NO_ERROR;
        ++perSection[SectionAt(t)];
    }
    std::printf("rss %ld %ld\n", frames, ResidentKib());
    std::printf("sections %ld %ld %ld %ld %ld %ld\n", perSection[0], perSection[1], perSection[2],
                perSection[3], perSection[4], perSection[5]);
    std::printf("gl_errors %ld\n", glErrors);
    return glErrors == 0 ? 0 : 1;
}
