// The layer's matrices against the desktop GL's and GLU's on the same
// machine: every element equal to the bit, for the calls and the arguments
// the production makes and for a spread of others.
#include "gles/matrix_math.h"
#include "tests/support/gl_fixture.h"

#include <GL/glu.h>

#include <cstring>

namespace {

class GlesMatrixTest : public GlTest {};

Matrix DesktopModelView() {
    Matrix m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.m);
    return m;
}

// Equal element by element (a zero's sign aside, which changes no vertex).
void ExpectSame(const Matrix& desktop, const Matrix& layer, const char* what) {
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(desktop.m[i], layer.m[i]) << what << ", element " << i;
}

// The angles the scenes turn by (music time in degrees, up to the end of the
// music), and some that round differently.
const float kAngles[] = {0.0f,    0.5f,     1.0f,   33.3f,   45.0f,  90.0f,
                         -17.25f, 123.456f, 180.0f, 191.99f, 359.9f, 1234.5f};

} // namespace

TEST_F(GlesMatrixTest, RotationsAboutEachAxisAndOthersMatchTheGl) {
    const float axes[][3] = {{1, 0, 0},  {0, 1, 0},  {0, 0, 1}, {-1, 0, 0},
                             {0, -2, 0}, {0, 0, -1}, {1, 1, 0}, {0.3f, -0.5f, 0.8f}};
    for (float angle : kAngles)
        for (const auto& axis : axes) {
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glScalef(1.5f, 0.75f, 2.0f);
            glRotatef(angle, axis[0], axis[1], axis[2]);
            const Matrix layer = Multiply(ScaleMatrix(1.5f, 0.75f, 2.0f),
                                          RotationMatrix(angle, axis[0], axis[1], axis[2]));
            ExpectSame(DesktopModelView(), layer, "rotation");
        }
}

TEST_F(GlesMatrixTest, TheProductionsViewsMatchGlu) {
    struct View {
        double eye[3], centre[3], up[3];
    };
    const View views[] = {{{10, 10, 10}, {0, 0, 0}, {0, 0, 1}},
                          {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}},
                          {{100, 100, 100}, {0, 0, 0}, {0, 0, 1}},
                          {{-3.5, 2.25, 7}, {1, -1, 0.5}, {0, 1, 0}}};
    for (const View& v : views)
        for (float angle : kAngles) {
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            gluLookAt(v.eye[0], v.eye[1], v.eye[2], v.centre[0], v.centre[1], v.centre[2], v.up[0],
                      v.up[1], v.up[2]);
            glRotated(angle, 1.0, 0.0, 0.0);
            glRotated(angle, 0.0, 1.0, 0.0);
            glRotated(angle, 0.0, 0.0, 1.0);
            Matrix layer = LookAt(IdentityMatrix(), v.eye, v.centre, v.up);
            layer = Multiply(layer, RotationMatrix(angle, 1, 0, 0));
            layer = Multiply(layer, RotationMatrix(angle, 0, 1, 0));
            layer = Multiply(layer, RotationMatrix(angle, 0, 0, 1));
            ExpectSame(DesktopModelView(), layer, "view");
        }
}

TEST_F(GlesMatrixTest, PerspectivesMatchGlu) {
    const double lenses[][4] = {{60.0, 16.0 / 9.0, 0.1, 1000.0},
                                {45.0, 640.0 / 360.0, 1.0, 1000.0},
                                {90.0, 1.0, 0.5, 20.0}};
    for (const auto& l : lenses) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(l[0], l[1], l[2], l[3]);
        Matrix desktop;
        glGetFloatv(GL_PROJECTION_MATRIX, desktop.m);
        glLoadIdentity();
        ExpectSame(desktop, Multiply(IdentityMatrix(), PerspectiveMatrix(l[0], l[1], l[2], l[3])),
                   "perspective");
    }
}
