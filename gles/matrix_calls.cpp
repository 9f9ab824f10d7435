// The matrix stack's calls: each multiplies the current matrix as the GL
// does (gles/matrix_math.h).
#include "gles/layer_state.h"
#include "gles/legacy_gl.h"

#include <algorithm>

namespace {

Matrix& Current() {
    return gLayer.matrixMode == GL_PROJECTION ? gLayer.projection : gLayer.modelView;
}

} // namespace

void zgl_MatrixMode(GLenum mode) {
    gLayer.matrixMode = mode;
}

void zgl_LoadIdentity() {
    Current() = IdentityMatrix();
}

void zgl_Rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    Current() = Multiply(Current(), RotationMatrix(angle, x, y, z));
}

// The GL takes the double form in float.
void zgl_Rotated(double angle, double x, double y, double z) {
    zgl_Rotatef(static_cast<float>(angle), static_cast<float>(x), static_cast<float>(y),
                static_cast<float>(z));
}

// A scale multiplies the first three columns in place.
void zgl_Scalef(GLfloat x, GLfloat y, GLfloat z) {
    Matrix& m = Current();
    for (int row = 0; row < 4; ++row) {
        m.m[row] *= x;
        m.m[4 + row] *= y;
        m.m[8 + row] *= z;
    }
}

void zglu_Perspective(double fovy, double aspect, double zNear, double zFar) {
    Current() = Multiply(Current(), PerspectiveMatrix(fovy, aspect, zNear, zFar));
}

void zglu_LookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY,
                 double centreZ, double upX, double upY, double upZ) {
    const double eye[3] = {eyeX, eyeY, eyeZ};
    const double centre[3] = {centreX, centreY, centreZ};
    const double up[3] = {upX, upY, upZ};
    Current() = LookAt(Current(), eye, centre, up);
}

void zgl_GetFloatv(GLenum name, GLfloat* values) {
    if (name == GL_MODELVIEW_MATRIX || name == GL_PROJECTION_MATRIX) {
        const Matrix& m = name == GL_MODELVIEW_MATRIX ? gLayer.modelView : gLayer.projection;
        std::copy(m.m, m.m + 16, values);
        return;
    }
    glGetFloatv(name, values);
}
