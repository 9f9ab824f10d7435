// rbbench: the cost of the "rb" post pass on this machine's GL, beside a plain
// texture copy of the same size drawn in the same run (the floor), at the
// production's windowed (640 × 360) and full HD (1920 × 1080) target sizes.
// Prints a markdown table. With --frames DIR it also writes the pass's
// output over the test pictures as PNG files, to be looked at for banding
// and stepping in the streaks.
//
// Run from the repository root: it reads "./resource/".
#include "gfx/render_target.h"
#include "gfx/shader.h"
#include "platform/headless_gl.h"
#include "scenes/scene_data.h"
#include "scenes/scene_steps.h"
#include "tools/rbbench/frame_png.h"
#include "tools/rbbench/test_pictures.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 9;
constexpr int kPassesPerRound = 10;

struct Size {
    int width, height;
};
const Size kSizes[] = {{640, 360}, {1920, 1080}};

// The greetings scene in silence: "s" 450, "c" 50.
const PostUniforms kReplacing = {0.5f, 0.5f, 500, {1.0f, 1.0f, 1.0f, 1.0f}};
const PostUniforms kGlowInSilence = {0.5f, 0.5f, 450, {50.0f, 50.0f, 50.0f, 50.0f}};

// The ways the scenes bring the render target to the window, with their own
// steps: a plain copy (the floor every post pass is measured against), the
// post pass replacing the window (scenes 1 to 3), and its output added onto
// a plain copy as a glow (scene 4). Each clears the window first.
void CopyOnly(RenderTarget& target) {
    DrawPlainCopy(target);
    target.UnbindTexture();
}

void CopyAndGlow(RenderTarget& target, Shader& rb, const PostUniforms& uniforms) {
    DrawPlainCopy(target);
    AddGlow(target, rb, uniforms);
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Milliseconds per pass over one batch, finished on the GL side.
double TimeBatch(const std::function<void()>& pass) {
    glFinish();
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kPassesPerRound; ++i)
        pass();
    glFinish();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() /
           kPassesPerRound;
}

struct Timing {
    double copy, rb, glow;
};

// Rounds alternate between the passes so that other load on a shared
// machine falls on all of them alike; the medians drop the disturbed rounds.
Timing TimePasses(RenderTarget& target, Shader& rb) {
    std::vector<double> copy, pass, glow;
    const std::function<void()> copyPass = [&] { CopyOnly(target); };
    const std::function<void()> rbPass = [&] { DrawPostPass(target, rb, kReplacing); };
    const std::function<void()> glowPass = [&] { CopyAndGlow(target, rb, kGlowInSilence); };
    TimeBatch(copyPass);
    TimeBatch(rbPass);
    for (int round = 0; round < kRounds; ++round) {
        copy.push_back(TimeBatch(copyPass));
        pass.push_back(TimeBatch(rbPass));
        glow.push_back(TimeBatch(glowPass));
    }
    return {Median(copy), Median(pass), Median(glow)};
}

struct Frame {
    const char* name;
    bool glow;
    PostUniforms values;
};

// The uses of the scenes, and the extremes a loud spectrum gives.
const Frame kFrames[] = {
    {"replace_s500", false, {0.5f, 0.5f, 500, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"replace_s450_corner", false, {0.0f, 0.5f, 450, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"replace_s0", false, {0.5f, 0.5f, 0, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"replace_s-2000", false, {0.5f, 0.5f, -2000, {1.0f, 1.0f, 1.0f, 1.0f}}},
    {"glow_c50_s450", true, {0.5f, 0.5f, 450, {50.0f, 50.0f, 50.0f, 50.0f}}},
    {"glow_c100_s400", true, {0.5f, 0.5f, 400, {100.0f, 100.0f, 100.0f, 100.0f}}},
    {"glow_c250_s250", true, {0.5f, 0.5f, 250, {250.0f, 250.0f, 250.0f, 250.0f}}},
};

void WriteFrames(const std::string& dir, const Size& size, RenderTarget& target, Shader& rb,
                 const std::function<void()>& picture, const char* pictureName) {
    const std::string prefix = dir + "/" + pictureName + "_" + std::to_string(size.width) + "_";
    picture();
    CopyOnly(target);
    WriteWindowPng(prefix + "copy.png", size.width, size.height);
    for (const Frame& frame : kFrames) {
        picture();
        if (frame.glow)
            CopyAndGlow(target, rb, frame.values);
        else
            DrawPostPass(target, rb, frame.values);
        WriteWindowPng(prefix + frame.name + ".png", size.width, size.height);
    }
}

struct Scene {
    std::vector<LineSegment> field;
    ParticleSystem particles{};
};

bool LoadScene(Scene& scene, Shader& rb, float displayScale) {
    Rand15 rand15;
    GenerateParticleCloud(rand15, scene.particles, displayScale);
    GenerateLineField(rand15, scene.field);
    return scene.particles.Load("./resource/x.png", "./resource/ps.ves", "./resource/ps.pis") &&
           rb.Load("./resource/rb.ves", "", "./resource/rb.pis");
}

void PrintRow(const Size& size, const Timing& t) {
    std::printf("| %d x %d | %.3f | %.3f | %.2f | %.3f | %.2f |\n", size.width, size.height, t.copy,
                t.rb, t.rb / t.copy, t.glow, t.glow / t.copy);
}

} // namespace

int main(int argc, char** argv) {
    std::string framesDir;
    GlDeviceChoice device;
    bool ok = argc % 2 == 1;
    for (int i = 1; ok && i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--frames") == 0)
            framesDir = argv[i + 1];
        else
            ok = std::strcmp(argv[i], "--device") == 0 && ParseGlDeviceChoice(argv[i + 1], device);
    }
    if (!ok) {
        std::fprintf(stderr, "usage: rbbench [--frames DIR] [--device auto|software|N]\n");
        return 2;
    }
    HeadlessGl gl;
    if (!gl.Create(1920, 1080, device))
        return 1;
    std::printf("GL: %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                gl.Device().c_str());

    std::printf("\n| target | copy ms | rb ms | rb / copy | copy + rb glow ms | glow / copy |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const Size& size : kSizes) {
        Scene scene;
        Shader rb{};
        RenderTarget target{};
        if (!LoadScene(scene, rb, float(size.width) / 800.0f) ||
            !target.Create(size.width, size.height))
            return 1;
        glViewport(0, 0, size.width, size.height);
        const std::function<void()> lines = [&] {
            DrawLineFieldPicture(target, scene.field, 20.0f, 0.3f);
        };
        const std::function<void()> cloud = [&] {
            DrawParticlePicture(target, scene.particles, 30.0f);
        };
        lines();
        PrintRow(size, TimePasses(target, rb));
        if (!framesDir.empty()) {
            WriteFrames(framesDir, size, target, rb, lines, "lines");
            WriteFrames(framesDir, size, target, rb, cloud, "cloud");
        }
    }
    return 0;
}
