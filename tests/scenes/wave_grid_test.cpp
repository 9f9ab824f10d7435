// The grid's strokes as GL receives them, caught in feedback mode.
#include "production_frames.h"

#include "scenes/music_levels.h"

#include <GL/glu.h>
#include <cmath>

namespace {

// A channel that GL received as the unsigned byte `value`.
bool IsByte(GLfloat channel, int value) {
    return std::fabs(channel * 255.0f - value) < 1e-3f;
}

// Where the grid camera puts a point in the render target. The frame has left
// the modelview selected at identity; both matrices are built on it.
void ExpectAt(const RenderTarget& target, const GLfloat* vertex, double x, double y, double z) {
    GLdouble model[16], projection[16], window[3];
    const GLint view[4] = {0, 0, target.width, target.height};
    gluPerspective(60.0, 16.0 / 9.0, 0.1, 1000.0);
    glGetDoublev(GL_MODELVIEW_MATRIX, projection);
    glLoadIdentity();
    gluLookAt(100.0, 100.0, 100.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glLoadIdentity();
    gluProject(x, y, z, model, projection, view, &window[0], &window[1], &window[2]);
    EXPECT_NEAR(vertex[0], window[0], 0.01);
    EXPECT_NEAR(vertex[1], window[1], 0.01);
}

} // namespace

using WaveGrid = ProductionTest;

// In silence the wave is 100 units high; row 15 lies near its crest, and
// column 31 sends the stroke down to about -99.6 at t = 0, fully in view.
TEST_F(WaveGrid, StrokesRiseFromBlackFeetToByteColouredTopsOnTheWave) {
    std::vector<GLfloat> buffer(1 << 20);
    Sound().SetPosition(0.0);
    for (double t : {0.0, 1.5}) {
        SCOPED_TRACE(t);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        RenderScene(WaveGridScene(), t);
        const GLint count = glRenderMode(GL_RENDER);
        ASSERT_EQ(MidLevel(Sound().spectrum), 1.0f) << "the music's first instant is not silent";
        // Lines carry two vertices of x, y, z, r, g, b, a; the frame's quads
        // come as polygons with a vertex count.
        const GLfloat* stroke = nullptr;
        for (GLint i = 0; i < count && !stroke; ++i) {
            const GLint token = static_cast<GLint>(buffer[i]);
            const GLfloat* v = &buffer[i + 1];
            if (token == GL_POLYGON_TOKEN)
                i += 1 + 7 * static_cast<GLint>(v[0]);
            else if (token != GL_LINE_TOKEN && token != GL_LINE_RESET_TOKEN)
                ADD_FAILURE() << "unexpected feedback token " << token;
            else if (IsByte(v[10], 30) && IsByte(v[11], 62) && IsByte(v[12], 0))
                stroke = v;
            else
                i += 14;
        }
        ASSERT_NE(stroke, nullptr) << "no stroke topped with bytes (30, 62, 0)";
        EXPECT_TRUE(IsByte(stroke[3], 0) && IsByte(stroke[4], 0) && IsByte(stroke[5], 0));
        ExpectAt(Scenes().renderTarget, stroke, 15.0, 31.0, 0.0);
        const float z = std::cos(3.1f + static_cast<float>(t)) * std::sin(1.5f) * 100.0f;
        ExpectAt(Scenes().renderTarget, stroke + 7, 15.0, 31.0, z);
    }
}
