// capturebench: what the capture switches cost. Frames spread over the whole
// production are taken as the renderer takes them for a file (drawn, read
// back, reduced, blended) and the median time printed. With --motion-blur N
// each time is taken plain and blurred by turns, so that a change in the
// machine's load hits both alike, and the blurred frame's cost over N plain
// frames is printed. A supersampled production is one per process, so
// scripts/bench-capture runs this once per factor, by turns, and compares.
//
//   capturebench [--size WxH] [--supersample N] [--motion-blur N] [--frames K]
//   (defaults 1280x720, 1, 1, 24; run from the repository root)
#include "tools/render/bench_stats.h"
#include "tools/render/exposure.h"
#include "tools/render/offline_production.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Settings {
    int width = 1280;
    int height = 720;
    int supersample = 1;
    int subframes = 1;
    int frames = 24;
};

bool Parse(int argc, char** argv, Settings& s) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--size")) {
            if (std::sscanf(argv[i + 1], "%dx%d", &s.width, &s.height) != 2)
                return false;
        } else if (!std::strcmp(argv[i], "--motion-blur")) {
            s.subframes = std::atoi(argv[i + 1]);
        } else if (!std::strcmp(argv[i], "--supersample")) {
            s.supersample = std::atoi(argv[i + 1]);
        } else if (!std::strcmp(argv[i], "--frames")) {
            s.frames = std::atoi(argv[i + 1]);
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && s.width >= 16 && s.height >= 16 && s.subframes >= 1 &&
           s.subframes <= 64 && s.supersample >= 1 && s.supersample <= 4 && s.frames >= 1;
}

double TimeTake(Exposure& exposure, OfflineProduction& production, double t) {
    Clock::time_point start = Clock::now();
    volatile unsigned char first = *exposure.Take(production, t);
    (void)first;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    Settings s;
    if (!Parse(argc, argv, s)) {
        std::fputs("usage: capturebench [--size WxH] [--supersample N] [--motion-blur N] "
                   "[--frames K]\n",
                   stderr);
        return 2;
    }
    OfflineProduction production;
    if (!production.Start(s.width, s.height, {}, s.supersample))
        return 1;
    ExposureSettings single;
    single.supersample = s.supersample;
    Exposure plain;
    plain.Init(s.width, s.height, single);
    Exposure blurred;
    ExposureSettings blur = single;
    blur.subframes = s.subframes;
    blurred.Init(s.width, s.height, blur);

    std::vector<double> plainTimes, blurredTimes, ratios;
    double length = production.MusicLength();
    // One frame of each first: the driver compiles its shader variants then.
    TimeTake(plain, production, 1.0);
    TimeTake(blurred, production, 1.0);
    for (int i = 0; i < s.frames; ++i) {
        double t = length * (i + 0.5) / s.frames;
        double p = TimeTake(plain, production, t);
        plainTimes.push_back(p);
        if (s.subframes > 1) {
            double b = TimeTake(blurred, production, t);
            blurredTimes.push_back(b);
            ratios.push_back(b / (p * s.subframes));
        }
    }
    double plainMedian = Median(plainTimes.data(), plainTimes.size());
    std::printf("capturebench %dx%d, supersample %d, %d frames over the production\n", s.width,
                s.height, s.supersample, s.frames);
    std::printf("frame:                  median %.1f ms\n", plainMedian);
    if (s.subframes == 1)
        return 0;
    double blurredMedian = Median(blurredTimes.data(), blurredTimes.size());
    std::printf("motion blur %2d:         median %.1f ms\n", s.subframes, blurredMedian);
    std::printf("blurred / (%d x plain): %.3f (median of the per-frame ratios %.3f)\n", s.subframes,
                blurredMedian / (s.subframes * plainMedian), Median(ratios.data(), ratios.size()));
    return 0;
}
