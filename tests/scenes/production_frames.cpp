#include "production_frames.h"

#include "app/globals.h"
#include "app/timeline.h"
#include "platform/headless_gl.h"

#include <GL/glew.h>
#include <algorithm>

namespace {

constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 240;

Viewport viewport;
HeadlessGl* context = nullptr;

bool StartOnce() {
    static const bool started = [] {
        // Like the production's window, the context lives until the process
        // ends: tearing it down would unload the driver before the leak
        // checker could tell its allocations apart.
        context = new HeadlessGl;
        if (!context->Create(kWindowWidth, kWindowHeight))
            return false;
        // As the driver does before loading: the particles' size follows it.
        displayScale = static_cast<float>(kWindowWidth) / 800.0f;
        viewport = ComputeViewport(kWindowWidth, kWindowHeight);
        glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
        return LoadProduction(viewport);
    }();
    return started;
}

template <typename Visit> void ForEachPixel(const Frame& f, const Rect& r, Visit visit) {
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x)
            visit(&f.rgba[4 * (y * f.width + x)]);
}

} // namespace

int Frame::Max(const Rect& r) const {
    int most = 0;
    ForEachPixel(*this, r, [&](const unsigned char* p) {
        for (int c = 0; c < 3; ++c)
            most = std::max<int>(most, p[c]);
    });
    return most;
}

double Frame::Mean(const Rect& r) const {
    double sum = 0.0;
    ForEachPixel(*this, r, [&](const unsigned char* p) { sum += p[0] + p[1] + p[2]; });
    return sum / (3.0 * r.width * r.height);
}

double Frame::LitShare(const Rect& r, int level) const {
    int lit = 0;
    ForEachPixel(*this, r, [&](const unsigned char* p) {
        lit += p[0] > level || p[1] > level || p[2] > level;
    });
    return static_cast<double>(lit) / (r.width * r.height);
}

void ProductionTest::SetUp() {
    ASSERT_TRUE(StartOnce()) << "the production did not start headlessly";
}

const Viewport& ProductionTest::View() {
    return viewport;
}

Rect ProductionTest::Centre(double fx, double fy) {
    const int w = static_cast<int>(viewport.width * fx);
    const int h = static_cast<int>(viewport.height * fy);
    return {viewport.x + (viewport.width - w) / 2, viewport.y + (viewport.height - h) / 2, w, h};
}

Frame ProductionTest::ReadWindow() {
    Frame frame{kWindowWidth, kWindowHeight, {}};
    frame.rgba.resize(4 * kWindowWidth * kWindowHeight);
    glReadPixels(0, 0, kWindowWidth, kWindowHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    return frame;
}

Frame ProductionTest::RenderAt(double t) {
    music.SetPosition(t);
    RenderFrame(t);
    return ReadWindow();
}
