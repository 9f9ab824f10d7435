// The benchmark: frame times of every section of the timeline, drawn as the
// production draws them (RenderFrame then glFinish; no read-back), printed
// on stdout as a markdown table.
#include "tools/render/bench_stats.h"
#include "tools/render/bench_timing.h"
#include "tools/render/render_modes.h"

#include "scenes/timeline.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFramesPerSection = 60;

struct BenchSection {
    const char* name;
    double start; // exclusive, except for scene 1
    double end;   // inclusive
};

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Setting the music position stands in for the production's clock read, so
// it is timed with the frame.
double TimeFrame(OfflineProduction& production, double t) {
    return FinishedMilliseconds([&] { production.DrawFrameAt(t); });
}

// Frames evenly spread over the inside of the section, one untimed first so
// that the driver's first-use work (shader variants, texture uploads) is not
// counted as a frame.
void BenchSectionTimes(OfflineProduction& production, const BenchSection& section,
                       double* samples) {
    double step = (section.end - section.start) / kFramesPerSection;
    production.DrawFrameAt(section.start + 0.5 * step);
    glFinish();
    for (int i = 0; i < kFramesPerSection; ++i)
        samples[i] = TimeFrame(production, section.start + (i + 0.5) * step);
}

void PrintRow(const BenchSection& section, double* samples) {
    double median = Median(samples, kFramesPerSection);
    double p95 = Percentile(samples, kFramesPerSection, 95.0);
    std::printf("| %s | %.1f–%.1f | %d | %.2f | %.2f | %.0f |\n", section.name, section.start,
                section.end, kFramesPerSection, median, p95, 1000.0 / median);
}

} // namespace

int RunBench(OfflineProduction& production, Clock::time_point launched) {
    // The production's first frame, at music time 0, ends its start-up.
    production.DrawFrameAt(0.0);
    glFinish();
    double firstFrame = Milliseconds(Clock::now() - launched);

    const double end = std::max(production.MusicLength(), kCreditsStart + 1.0);
    const BenchSection sections[] = {
        {"scene 1", 0.0, kTitleStart},
        {"scene 2", kTitleStart, kGridStart},
        {"scene 3", kGridStart, kGreetingsStart},
        {"scene 4", kGreetingsStart, kClosingStart},
        {"closing", kClosingStart, kCreditsStart},
        {"credits", kCreditsStart, end},
    };
    const Viewport& v = production.View();
    std::printf("\nzentrafel-render --bench at %dx%d (drawn area %dx%d) on %s, %s\n\n",
                production.Width(), production.Height(), v.width, v.height,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                production.Device().c_str());
    std::printf("| Section | Music time (s) | Frames | Median (ms) | 95th percentile (ms) | "
                "fps at median |\n|---|---|---|---|---|---|\n");
    double samples[kFramesPerSection];
    for (const BenchSection& section : sections) {
        BenchSectionTimes(production, section, samples);
        PrintRow(section, samples);
    }
    std::printf("\nTime to first frame (process start to the first frame finished): %.0f ms\n",
                firstFrame);
    return 0;
}
