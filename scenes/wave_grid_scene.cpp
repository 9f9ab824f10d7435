#include "app/globals.h"
#include "app/timeline.h"
#include "scenes/scene_parts.h"
#include "scenes/scene_steps.h"
#include "scenes/scenes.h"

#include <GL/glu.h>
#include <cmath>

namespace {

constexpr int kGridSize = 128;

// 128 × 128 strokes from black on the plane z = 0 to a travelling wave whose
// height follows the mid band; the top colour gives the grid position.
void DrawStrokes(float t, float midLevel) {
    const float height = 100.0f * midLevel;
    glLineWidth(2.0f);
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

} // namespace

// The grid, seen from a fixed point above one corner. The depth test and the
// matrices stay as they are: the post pass's screen quad resets them.
void DrawWaveGrid(float t, float midLevel) {
    renderTarget.Bind();
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(100.0, 100.0, 100.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    DrawStrokes(t, midLevel);
    renderTarget.Unbind();
}

void RenderWaveGridScene(double musicTime) {
    const double t = musicTime - kGridStart;
    music.ReadSpectrum();

    const float midLevel = MidLevel();
    DrawWaveGrid(static_cast<float>(t), midLevel);

    // The post program's point circles the picture once every 4π seconds.
    const double u = -0.5 * t;
    const float ox = static_cast<float>(0.5 + 0.5 * std::sin(u));
    const float oy = static_cast<float>(0.5 + 0.5 * std::cos(u));
    DrawPostPass(ox, oy, PostStrength(midLevel), 1.0f, 1.0f, 1.0f, 1.0f);

    // The caption strip: half the picture's width, an eighth of its height.
    DrawAddedImage(captionTexture, 0.5f, 0.125f, static_cast<float>(captionTrack.Evaluate(t)));
    // The fade's identity load also drops the caption's scale.
    DrawFade(static_cast<float>(gridFadeTrack.Evaluate(t)));
}
