// zentrafel-bench capture: what the capture switches cost. Frames spread over
// the whole production are taken as the renderer takes them for a file
// (drawn, read back, reduced, blended) and the median time printed. With
// --motion-blur N each time is taken plain and blurred by turns, so that a
// change in the machine's load hits both alike, and the blurred frame's cost
// over N plain frames is printed. A supersampled production is one per
// process, so scripts/bench capture runs this once per factor, by turns, and
// compares.
#include "app/bench_stats.h"
#include "app/bench_timing.h"
#include "tools/bench/bench_modes.h"
#include "tools/render/exposure.h"
#include "tools/render/offline_production.h"

#include <cstdio>
#include <vector>

namespace {

double TimeTake(Exposure& exposure, OfflineProduction& production, double t) {
    return FinishedMilliseconds([&] {
        volatile unsigned char first = *exposure.Take(production, t);
        (void)first;
    });
}

} // namespace

int RunCapture(const BenchOptions& s) {
    OfflineProduction production;
    if (!StartBenchProduction(production, s, "capture", s.supersample))
        return 1;
    ExposureSettings settings;
    settings.supersample = s.supersample;
    Exposure plain, blurred;
    plain.Init(s.width, s.height, settings);
    settings.subframes = s.motionBlur;
    blurred.Init(s.width, s.height, settings);

    std::vector<double> plainTimes, blurredTimes, ratios;
    const double length = production.MusicLength();
    // One frame of each first: the driver compiles its shader variants then.
    TimeTake(plain, production, 1.0);
    TimeTake(blurred, production, 1.0);
    for (int i = 0; i < s.frames; ++i) {
        const double t = length * (i + 0.5) / s.frames;
        const double p = TimeTake(plain, production, t);
        plainTimes.push_back(p);
        if (s.motionBlur > 1) {
            const double b = TimeTake(blurred, production, t);
            blurredTimes.push_back(b);
            ratios.push_back(b / (p * s.motionBlur));
        }
    }
    const double plainMedian = Median(plainTimes.data(), plainTimes.size());
    std::printf("supersample %d, %d frames over the production\n", s.supersample, s.frames);
    std::printf("frame:                  median %.1f ms\n", plainMedian);
    if (s.motionBlur == 1)
        return 0;
    const double blurredMedian = Median(blurredTimes.data(), blurredTimes.size());
    std::printf("motion blur %2d:         median %.1f ms\n", s.motionBlur, blurredMedian);
    std::printf("blurred / (%d x plain): %.3f (median of the per-frame ratios %.3f)\n",
                s.motionBlur, blurredMedian / (s.motionBlur * plainMedian),
                Median(ratios.data(), ratios.size()));
    return 0;
}
