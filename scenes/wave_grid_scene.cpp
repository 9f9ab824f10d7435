// Scene 3: a wave grid driven by the mid band, the post pass circling the
// picture, the caption strip and the fade.
#include "scenes/image_areas.h"
#include "scenes/music_levels.h"
#include "scenes/pass.h"
#include "scenes/production.h"
#include "scenes/scene_steps.h"

#include <GL/glu.h>

#include <cmath>
#include <iterator>

namespace {

constexpr int kGridSize = 128;

// 128 × 128 strokes from black on the plane z = 0 to a travelling wave whose
// height follows the mid band; the top colour gives the grid position.
void DrawStrokes(float t, float midLevel, float pixelScale) {
    const float height = 100.0f * midLevel;
    glLineWidth(2.0f * pixelScale);
    glBegin(GL_LINES);
    for (int i = 0; i < kGridSize; ++i) {
        const float amplitude = std::sin(0.1f * static_cast<float>(i)) * height;
        for (int j = 0; j < kGridSize; ++j) {
            const float z = std::cos(0.1f * static_cast<float>(j) + t) * amplitude;
            glColor3ub(0, 0, 0);
            glVertex3f(static_cast<float>(i), static_cast<float>(j), 0.0f);
            glColor3ub(static_cast<GLubyte>(2 * i), static_cast<GLubyte>(2 * j), 0);
            glVertex3f(static_cast<float>(i), static_cast<float>(j), z);
        }
    }
    glEnd();
}

// The grid, seen from a fixed point above one corner. The depth test and the
// matrices stay as they are: the post pass's screen quad resets them.
// Leaves: the window bound again, depth test on, the 3-D matrices loaded.
void WaveGrid(Production& p, const SceneFrame& f) {
    p.renderTarget.Bind();
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(100.0, 100.0, 100.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    DrawStrokes(static_cast<float>(f.t), MidLevel(f.spectrum), p.pixelScale);
    p.renderTarget.Unbind();
}

// The post program's point circles the picture once every 4π seconds, its
// strength falling with the mid band. Leaves: the shared state, colour white.
void TravellingPostPass(Production& p, const SceneFrame& f) {
    const double u = -0.5 * f.t;
    const float ox = static_cast<float>(0.5 + 0.5 * std::sin(u));
    const float oy = static_cast<float>(0.5 + 0.5 * std::cos(u));
    const int strength = PostStrength(MidLevel(f.spectrum));
    DrawPostPass(p.renderTarget, p.rbProgram, {ox, oy, strength, {1.0f, 1.0f, 1.0f, 1.0f}});
}

// The caption strip: half the picture's width, an eighth of its height.
// Leaves: the shared state but the strip's scale on the modelview matrix.
void Caption(Production& p, const SceneFrame& f) {
    DrawAddedImage(p.captionTexture, 0.5f, 0.125f,
                   static_cast<float>(p.tracks.captionTrack.Evaluate(f.t)), !p.allPasses,
                   AreaFor(p, p.areas.caption));
}

// The fade's identity load also drops the caption's scale.
// Leaves: the shared state, colour black with the fade's alpha.
void Fade(Production& p, const SceneFrame& f) {
    DrawFade(static_cast<float>(p.tracks.gridFadeTrack.Evaluate(f.t)), !p.allPasses);
}

const Pass kPasses[] = {
    {"wave grid (target clear + 128x128 strokes, 2 px)", WaveGrid},
    {"rb post pass (window clear + rb)", TravellingPostPass},
    {"caption strip", Caption},
    {"fade", Fade},
};

} // namespace

PassList WaveGridScene() {
    return {kPasses, std::size(kPasses)};
}
