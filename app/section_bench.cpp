#include "app/section_bench.h"

#include "app/bench_stats.h"
#include "app/bench_timing.h"
#include "scenes/timeline.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kFramesPerSection = 60;

struct BenchSection {
    const char* name;
    double start; // exclusive, except for scene 1
    double end;   // inclusive
};

// One untimed frame first, so that the driver's first-use work (shader
// variants, texture uploads) is not counted as a frame.
void SectionTimes(const std::function<void(double)>& drawAt, const BenchSection& section,
                  double* samples) {
    const double step = (section.end - section.start) / kFramesPerSection;
    drawAt(section.start + 0.5 * step);
    WaitForGl();
    for (int i = 0; i < kFramesPerSection; ++i) {
        const double t = section.start + (i + 0.5) * step;
        samples[i] = FinishedMilliseconds([&] { drawAt(t); });
    }
}

void PrintRow(const BenchSection& section, double* samples) {
    const double median = Median(samples, kFramesPerSection);
    const double p95 = Percentile(samples, kFramesPerSection, 95.0);
    std::printf("| %s | %.1f–%.1f | %d | %.2f | %.2f | %.0f |\n", section.name, section.start,
                section.end, kFramesPerSection, median, p95, 1000.0 / median);
}

} // namespace

void PrintSectionFrameTimes(const std::function<void(double t)>& drawAt, double musicLength) {
    const double end = std::max(musicLength, kCreditsStart + 1.0);
    const BenchSection sections[] = {
        {"scene 1", 0.0, kTitleStart},
        {"scene 2", kTitleStart, kGridStart},
        {"scene 3", kGridStart, kGreetingsStart},
        {"scene 4", kGreetingsStart, kClosingStart},
        {"closing", kClosingStart, kCreditsStart},
        {"credits", kCreditsStart, end},
    };
    std::printf("| Section | Music time (s) | Frames | Median (ms) | 95th percentile (ms) | "
                "fps at median |\n|---|---|---|---|---|---|\n");
    double samples[kFramesPerSection];
    for (const BenchSection& section : sections) {
        SectionTimes(drawAt, section, samples);
        PrintRow(section, samples);
    }
}
