#include "production_frames.h"

#include "scenes/sections.h"
#include "tests/support/gl_fixture.h"

#include <GL/glew.h>
#include <algorithm>

namespace {

constexpr int kFrameWidth = 320;
constexpr int kFrameHeight = 240;

// The test program's production and music, made by the first case that
// needs them and kept, like the context, until the process ends.
struct Started {
    Production production;
    Music music{};
    Viewport viewport{};
};

Started* StartOnce() {
    static Started* started = [] {
        if (!TestGlReady(kFrameWidth, kFrameHeight))
            return static_cast<Started*>(nullptr);
        auto* s = new Started;
        // As the player does before loading: the particles' size follows the
        // window's width.
        const float displayScale = static_cast<float>(kFrameWidth) / 800.0f;
        s->viewport = ComputeViewport(kFrameWidth, kFrameHeight);
        glViewport(s->viewport.x, s->viewport.y, s->viewport.width, s->viewport.height);
        return LoadProduction(s->production, s->music, s->viewport, displayScale) ? s : nullptr;
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

Production& ProductionTest::Scenes() {
    return StartOnce()->production;
}

Music& ProductionTest::Sound() {
    return StartOnce()->music;
}

const Viewport& ProductionTest::View() {
    return StartOnce()->viewport;
}

Rect ProductionTest::Centre(double fx, double fy) {
    const Viewport& viewport = View();
    const int w = static_cast<int>(viewport.width * fx);
    const int h = static_cast<int>(viewport.height * fy);
    return {viewport.x + (viewport.width - w) / 2, viewport.y + (viewport.height - h) / 2, w, h};
}

Frame ProductionTest::ReadWindow() {
    Frame frame{kFrameWidth, kFrameHeight, {}};
    frame.rgba.resize(4 * kFrameWidth * kFrameHeight);
    glReadPixels(0, 0, kFrameWidth, kFrameHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    return frame;
}

Frame ProductionTest::RenderAt(double t) {
    Music& music = Sound();
    music.SetPosition(t);
    music.ReadSpectrum();
    RenderFrame(Scenes(), FrameInput{t, music.spectrum});
    return ReadWindow();
}

Frame ProductionTest::RenderScene(PassList scene, double t) {
    Music& music = Sound();
    music.ReadSpectrum();
    for (const Pass& pass : scene)
        pass.draw(Scenes(), SceneFrame{t, music.spectrum});
    return ReadWindow();
}
