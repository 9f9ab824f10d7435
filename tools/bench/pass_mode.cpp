// zentrafel-bench pass: where a frame's time goes. Every section's frame is
// cut into the passes its scene lists (scenes/pass.h), each pass is finished
// with glFinish and timed on its own, and the medians are printed as markdown
// beside the whole frame drawn at once. llvmpipe draws a pass on its worker
// threads only when it is flushed, so a pass's time is its own rasterisation
// and shading, plus the fixed cost of one flush.
#include "app/bench_stats.h"
#include "app/bench_timing.h"
#include "tools/bench/bench_modes.h"
#include "tools/render/offline_production.h"

#include "scenes/sections.h"

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Frames per section, spread evenly over it.
constexpr int kFrames = 24;

// Wall time is what a viewer waits; processor time is what the pass costs,
// and swells less when other work shares the machine.
struct Samples {
    std::vector<double> wall, cpu;
    double WallMedian() { return Median(wall.data(), wall.size()); }
    double CpuMedian() { return Median(cpu.data(), cpu.size()); }
};

// std::clock counts the whole process, the driver's worker threads included.
template <typename Draw> void Time(Samples& samples, Draw draw) {
    const std::clock_t cpuStart = std::clock();
    samples.wall.push_back(FinishedMilliseconds(draw));
    samples.cpu.push_back(double(std::clock() - cpuStart) * 1e3 / CLOCKS_PER_SEC);
}

void PrintRow(const char* name, double wall, double cpu) {
    std::printf("| %s | %.2f | %.2f |\n", name, wall, cpu);
}

void PrintRow(const char* name, Samples& samples) {
    PrintRow(name, samples.WallMedian(), samples.CpuMedian());
}

const char* kColumns = "| Wall, median (ms) | CPU, median (ms) |\n|---|---|---|\n";

// Each sample time is drawn whole first (timed, and leaving the spectrum of
// that moment in the music), then pass by pass from the same spectrum.
void PrintSection(OfflineProduction& production, const Section& section, double end) {
    const PassList passes = section.scene();
    std::vector<Samples> steps(passes.count);
    Samples frames;
    const double step = (end - section.start) / kFrames;
    for (int i = 0; i < kFrames; ++i) {
        const double t = section.start + (i + 0.5) * step;
        Time(frames, [&] { production.DrawFrameAt(t); });
        const SceneFrame frame{t - section.origin, production.Sound().spectrum};
        for (size_t s = 0; s < passes.count; ++s)
            Time(steps[s], [&] { passes.passes[s].draw(production.Scenes(), frame); });
    }
    std::printf("\n| %s %s", section.name, kColumns);
    double wallSum = 0.0, cpuSum = 0.0;
    for (size_t s = 0; s < passes.count; ++s) {
        wallSum += steps[s].WallMedian();
        cpuSum += steps[s].CpuMedian();
        PrintRow(passes.passes[s].name, steps[s]);
    }
    PrintRow("sum of the passes", wallSum, cpuSum);
    PrintRow("whole frame, one glFinish", frames);
}

// The fixed cost of clearing, on its own: the target (colour and depth) and
// the window.
void PrintClears(RenderTarget& renderTarget) {
    Samples target, window;
    for (int i = 0; i < kFrames; ++i) {
        Time(target, [&] {
            renderTarget.Bind();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            renderTarget.Unbind();
        });
        Time(window, [] { glClear(GL_COLOR_BUFFER_BIT); });
    }
    std::printf("\n| Clear alone %s", kColumns);
    PrintRow("target, colour + depth", target);
    PrintRow("window, colour", window);
}

} // namespace

int RunPass(const BenchOptions& options) {
    OfflineProduction production;
    if (!StartBenchProduction(production, options, "pass"))
        return 1;
    // The first frame of each kind pays the driver's first-use work.
    production.DrawFrameAt(100.0);
    glFinish();

    PrintClears(production.Scenes().renderTarget);
    size_t count = 0;
    const Section* sections = Sections(count);
    for (size_t i = 0; i < count; ++i) {
        const double end = i + 1 < count ? sections[i + 1].start : production.MusicLength();
        PrintSection(production, sections[i], end);
    }
    return 0;
}
