// passbench: where a frame's time goes. Every section's frame is cut into the
// passes its scene lists (scenes/pass.h), each pass is finished with glFinish and timed on its
// own, and the medians are printed as markdown beside the whole frame drawn
// at once. llvmpipe draws a pass on its worker threads only when it is
// flushed, so a pass's time is its own rasterisation and shading, plus the
// fixed cost of one flush.
//
//   passbench [--size WxH] [--device D]   (default 640x360, --device auto; run from
//   the repository root)
#include "tools/render/bench_stats.h"
#include "tools/render/offline_production.h"

#include "scenes/sections.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Frames per section, spread evenly over it.
constexpr int kFrames = 24;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Processor time of the whole process, the driver's worker threads included.
double ProcessCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec * 1e-6;
}

// Wall time is what a viewer waits; processor time is what the pass costs,
// and swells less when other work shares the machine.
struct Sample {
    double wall, cpu;
};

template <typename Draw> Sample Timed(Draw draw) {
    glFinish();
    const Clock::time_point start = Clock::now();
    const double cpuStart = ProcessCpuMilliseconds();
    draw();
    glFinish();
    return {Milliseconds(Clock::now() - start), ProcessCpuMilliseconds() - cpuStart};
}

struct Samples {
    std::vector<double> wall, cpu;
    void Add(const Sample& s) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
    double WallMedian() { return Median(wall.data(), wall.size()); }
    double CpuMedian() { return Median(cpu.data(), cpu.size()); }
};

double Sum(const std::vector<double>& values) {
    double sum = 0.0;
    for (double v : values)
        sum += v;
    return sum;
}

struct SectionTimes {
    std::vector<Samples> steps;
    Samples frames;
};

// Each sample time is drawn whole first (timed, and leaving the spectrum of
// that moment in the music), then pass by pass from the same spectrum.
SectionTimes TimeSection(OfflineProduction& production, const Section& section, double end) {
    const PassList passes = section.scene();
    SectionTimes times;
    times.steps.assign(passes.count, {});
    const double step = (end - section.start) / kFrames;
    for (int i = 0; i < kFrames; ++i) {
        const double t = section.start + (i + 0.5) * step;
        times.frames.Add(Timed([&] { production.DrawFrameAt(t); }));
        const SceneFrame frame{t - section.origin, production.Sound().spectrum};
        for (size_t s = 0; s < passes.count; ++s)
            times.steps[s].Add(Timed([&] { passes.passes[s].draw(production.Scenes(), frame); }));
    }
    return times;
}

void PrintRow(const char* name, Samples& samples) {
    std::printf("| %s | %.2f | %.2f |\n", name, samples.WallMedian(), samples.CpuMedian());
}

const char* kColumns = "| Wall, median (ms) | CPU, median (ms) |\n|---|---|---|\n";

void PrintSection(const Section& section, SectionTimes& times) {
    const PassList passes = section.scene();
    std::printf("\n| %s %s", section.name, kColumns);
    Samples sum;
    for (size_t s = 0; s < passes.count; ++s) {
        sum.Add({times.steps[s].WallMedian(), times.steps[s].CpuMedian()});
        PrintRow(passes.passes[s].name, times.steps[s]);
    }
    Samples total;
    total.Add({Sum(sum.wall), Sum(sum.cpu)});
    PrintRow("sum of the passes", total);
    PrintRow("whole frame, one glFinish", times.frames);
}

// The fixed cost of clearing, on its own: the target (colour and depth) and
// the window.
void PrintClears(RenderTarget& renderTarget) {
    Samples target, window;
    for (int i = 0; i < kFrames; ++i) {
        target.Add(Timed([&] {
            renderTarget.Bind();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            renderTarget.Unbind();
        }));
        window.Add(Timed([] { glClear(GL_COLOR_BUFFER_BIT); }));
    }
    std::printf("\n| Clear alone %s", kColumns);
    PrintRow("target, colour + depth", target);
    PrintRow("window, colour", window);
}

bool ParseArguments(int argc, char** argv, int& width, int& height, GlDeviceChoice& device) {
    for (int i = 1; i < argc; ++i) {
        if (i + 1 == argc)
            return false;
        if (std::strcmp(argv[i], "--device") == 0) {
            if (!ParseGlDeviceChoice(argv[++i], device))
                return false;
            continue;
        }
        if (std::strcmp(argv[i], "--size") != 0)
            return false;
        if (std::sscanf(argv[++i], "%dx%d", &width, &height) != 2 || width < 1 || height < 1)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int width = 640, height = 360;
    GlDeviceChoice device;
    if (!ParseArguments(argc, argv, width, height, device)) {
        std::fprintf(stderr, "usage: passbench [--size WxH] [--device auto|software|N]\n");
        return 2;
    }
    OfflineProduction production;
    if (!production.Start(width, height, device))
        return 1;
    // The first frame of each kind pays the driver's first-use work.
    production.DrawFrameAt(100.0);
    glFinish();

    std::printf("\npassbench at %dx%d on %s, %s\n", width, height,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                production.Device().c_str());
    PrintClears(production.Scenes().renderTarget);
    size_t count = 0;
    const Section* sections = Sections(count);
    for (size_t i = 0; i < count; ++i) {
        const double end = i + 1 < count ? sections[i + 1].start : production.MusicLength();
        SectionTimes times = TimeSection(production, sections[i], end);
        PrintSection(sections[i], times);
    }
    return 0;
}
