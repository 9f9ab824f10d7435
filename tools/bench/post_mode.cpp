// zentrafel-bench post: the cost of the "rb" post pass on this GL, beside a
// plain texture copy of the same size drawn in the same run (the floor), on
// the production as it loads itself, with the scenes' own passes. Prints a
// markdown row for the size. With --pictures DIR it also writes the pass's
// output over the line field and the particle cloud as PNG files, also at
// the extremes a loud spectrum gives, to be looked at for banding and
// stepping in the streaks.
#include "app/bench_stats.h"
#include "app/bench_timing.h"
#include "tools/bench/bench_modes.h"
#include "tools/render/frame_capture.h"
#include "tools/render/offline_production.h"

#include "gfx/png_encoder.h"
#include "platform/report.h"
#include "scenes/production.h"
#include "scenes/scene_steps.h"
#include "scenes/shared_passes.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kRounds = 9;
constexpr int kPassesPerRound = 10;

// The spectrum of silence: the glow then runs at "s" 450, "c" 50.
const float kSilence[128] = {};

using Draw = void (*)(Production&, const SceneFrame&);

// The greetings scene's pass whose name starts with `prefix`.
Draw GreetingsPass(const char* prefix) {
    for (const Pass& pass : GreetingsScene())
        if (std::strncmp(pass.name, prefix, std::strlen(prefix)) == 0)
            return pass.draw;
    Report("the greetings scene has no pass \"%s\"", prefix);
    return nullptr;
}

// The ways the scenes bring the render target to the window: a plain copy
// (the floor every post pass is measured against), the post pass replacing
// the window (scenes 1 to 3), and its output added onto a plain copy as a
// glow (scene 4). Each clears the window first.
struct Steps {
    Draw cloud = GreetingsPass("particle cloud");
    Draw plainCopy = GreetingsPass("plain copy");
    Draw glow = GreetingsPass("rb glow added");

    bool Found() const { return cloud && plainCopy && glow; }
    void CopyOnly(Production& p, const SceneFrame& f) const {
        plainCopy(p, f);
        p.renderTarget.UnbindTexture();
    }
    void CopyAndGlow(Production& p, const SceneFrame& f) const {
        plainCopy(p, f);
        glow(p, f);
    }
};

// Milliseconds per pass over one batch.
template <typename Work> double TimeBatch(Work pass) {
    return FinishedMilliseconds([&] {
               for (int i = 0; i < kPassesPerRound; ++i)
                   pass();
           }) /
           kPassesPerRound;
}

// Rounds alternate between the passes so that other load on the machine
// falls on all of them alike; the medians drop the disturbed rounds.
void PrintTimes(Production& p, const Steps& steps, const BenchOptions& options) {
    const SceneFrame silent{0.0, kSilence};
    const auto copy = [&] { steps.CopyOnly(p, silent); };
    const auto post = [&] { CentredPostPass(p, silent); };
    const auto glow = [&] { steps.CopyAndGlow(p, silent); };
    TimeBatch(copy);
    TimeBatch(post);
    double copyMs[kRounds], postMs[kRounds], glowMs[kRounds];
    for (int round = 0; round < kRounds; ++round) {
        copyMs[round] = TimeBatch(copy);
        postMs[round] = TimeBatch(post);
        glowMs[round] = TimeBatch(glow);
    }
    const double c = Median(copyMs, kRounds), r = Median(postMs, kRounds);
    const double g = Median(glowMs, kRounds);
    std::printf("\n| target | copy ms | rb ms | rb / copy | copy + rb glow ms | glow / copy |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| %d x %d | %.3f | %.3f | %.2f | %.3f | %.2f |\n", options.width, options.height,
                c, r, r / c, g, g / c);
}

struct Picture {
    const char* name;
    bool glow;
    PostUniforms values;
};

// The uses of the scenes, and the extremes a loud spectrum gives.
const Picture kPictures[] = {
    {"replace_s500", false, {0.5f, 0.5f, 500, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"replace_s450_corner", false, {0.0f, 0.5f, 450, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"replace_s0", false, {0.5f, 0.5f, 0, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"replace_s-2000", false, {0.5f, 0.5f, -2000, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"glow_c50_s450", true, {0.5f, 0.5f, 450, {50.0f, 50.0f, 50.0f, 50.0f}}},
    {"glow_c100_s400", true, {0.5f, 0.5f, 400, {100.0f, 100.0f, 100.0f, 100.0f}}},
    {"glow_c250_s250", true, {0.5f, 0.5f, 250, {250.0f, 250.0f, 250.0f, 250.0f}}},
};

// The window's picture (the viewport's lower-left corner at the options' size).
bool WriteWindowPng(const std::string& path, const BenchOptions& options) {
    FrameCapture capture;
    capture.Init(options.width, options.height);
    PngEncoder encoder;
    return encoder.Init(options.width, options.height) &&
           encoder.Encode(capture.ReadBottomUp(), true) && encoder.WriteFile(path.c_str());
}

// The target holds the picture the post pass reads; every output is drawn
// from it afresh.
bool WritePictures(Production& p, const Steps& steps, const BenchOptions& options,
                   const char* pictureName) {
    const std::string prefix =
        options.picturesDir + "/" + pictureName + "_" + std::to_string(options.width) + "_";
    bool ok = true;
    steps.CopyOnly(p, {0.0, kSilence});
    ok &= WriteWindowPng(prefix + "copy.png", options);
    for (const Picture& picture : kPictures) {
        if (picture.glow) {
            DrawPlainCopy(p.renderTarget);
            AddGlow(p.renderTarget, p.rbProgram, picture.values);
        } else {
            DrawPostPass(p.renderTarget, p.rbProgram, picture.values);
        }
        ok &= WriteWindowPng(prefix + picture.name + ".png", options);
    }
    return ok;
}

} // namespace

int RunPost(const BenchOptions& options) {
    const Steps steps;
    OfflineProduction production;
    if (!steps.Found() || !StartBenchProduction(production, options, "post"))
        return 1;
    Production& p = production.Scenes();
    // The line field of the opening at scene time 20 s, in silence.
    LineFieldPass(p, {20.0, kSilence});
    p.renderTarget.Unbind();
    PrintTimes(p, steps, options);
    if (options.picturesDir.empty())
        return 0;
    bool ok = WritePictures(p, steps, options, "lines");
    // The greetings' particle cloud at scene time 30 s.
    steps.cloud(p, {30.0, kSilence});
    LoadIdentityMatrices();
    ok &= WritePictures(p, steps, options, "cloud");
    return ok ? 0 : 1;
}
