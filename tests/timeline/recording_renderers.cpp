#include "tests/timeline/recording_renderers.h"

#include "scenes/scenes.h"

namespace {
std::vector<RendererCall> calls;
}

std::vector<RendererCall> TakeRendererCalls() {
    std::vector<RendererCall> taken;
    taken.swap(calls);
    return taken;
}

void RenderLineFieldScene(double t) { calls.push_back({"RenderLineFieldScene", t}); }
void RenderAnimatedTitleScene(double t) { calls.push_back({"RenderAnimatedTitleScene", t}); }
void RenderWaveGridScene(double t) { calls.push_back({"RenderWaveGridScene", t}); }
void RenderGreetingsScene(double t) { calls.push_back({"RenderGreetingsScene", t}); }
void RenderClosing(double t) { calls.push_back({"RenderClosing", t}); }
void RenderCredits(double t) { calls.push_back({"RenderCredits", t}); }
