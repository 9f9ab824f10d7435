// The grid's strokes as GL receives them, caught in feedback mode: their feet,
// their heights on the travelling wave and their byte colours.
#include "production_frames.h"

#include "app/globals.h"
#include "app/timeline.h"
#include "scenes/scenes.h"

#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct Vertex {
    GLfloat x, y, z, r, g, b, a;
};

struct Stroke {
    Vertex foot, top;
};

// The lines of one frame, window coordinates of the render target.
std::vector<Stroke> CaptureLines(double musicTime) {
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    RenderWaveGridScene(musicTime);
    const GLint count = glRenderMode(GL_RENDER);
    EXPECT_GT(count, 0) << "the feedback buffer overflowed";
    std::vector<Stroke> lines;
    for (GLint i = 0; i < count;) {
        const GLint token = static_cast<GLint>(buffer[i++]);
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            Stroke stroke;
            std::memcpy(&stroke, &buffer[i], sizeof stroke);
            lines.push_back(stroke);
            i += 14;
        } else if (token == GL_POLYGON_TOKEN) {
            i += 1 + 7 * static_cast<GLint>(buffer[i]);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            i += 1;
        } else {
            i += 7; // point, bitmap and pixel tokens carry one vertex
        }
    }
    return lines;
}

// A channel that GL received as the unsigned byte `value`.
bool IsByte(GLfloat channel, int value) {
    return std::fabs(channel * 255.0f - value) < 1e-3f;
}

void Project(double x, double y, double z, double* window) {
    GLdouble model[16], projection[16];
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 16.0 / 9.0, 0.1, 1000.0);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(100.0, 100.0, 100.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glLoadIdentity();
    const GLint view[4] = {0, 0, renderTarget.width, renderTarget.height};
    gluProject(x, y, z, model, projection, view, &window[0], &window[1], &window[2]);
}

void ExpectAt(const Vertex& v, double x, double y, double z) {
    double expected[3];
    Project(x, y, z, expected);
    EXPECT_NEAR(v.x, expected[0], 0.01);
    EXPECT_NEAR(v.y, expected[1], 0.01);
}

} // namespace

using WaveGrid = ProductionTest;

// In silence the wave is 100 units high; row 15 is nearly at its crest, and
// column 31 sends the stroke down to about -99.6, fully in view.
TEST_F(WaveGrid, StrokesRiseFromBlackFeetToByteColouredTops) {
    music.SetPosition(0.0);
    for (double t : {0.0, 1.5}) {
        SCOPED_TRACE(t);
        const std::vector<Stroke> lines = CaptureLines(kGridStart + t);
        ASSERT_EQ(MidLevel(), 1.0f) << "the music's first instant is not silent";
        const auto stroke = std::find_if(lines.begin(), lines.end(), [](const Stroke& s) {
            return IsByte(s.top.r, 30) && IsByte(s.top.g, 62);
        });
        ASSERT_NE(stroke, lines.end()) << "no stroke topped with bytes (30, 62, 0)";
        EXPECT_TRUE(IsByte(stroke->top.b, 0));
        EXPECT_TRUE(IsByte(stroke->foot.r, 0) && IsByte(stroke->foot.g, 0));
        const float z = std::cos(3.1f + static_cast<float>(t)) * std::sin(1.5f) * 100.0f;
        ExpectAt(stroke->foot, 15.0, 31.0, 0.0);
        ExpectAt(stroke->top, 15.0, 31.0, z);
    }
}
