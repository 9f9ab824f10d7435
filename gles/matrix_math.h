// The float matrix arithmetic of the legacy pipeline, done as the GL does it
// so that the layer's vertices land where the desktop's do: column-major
// 4x4 floats, each product summed left to right and rounded after every step
// (the library is built without contraction into fused multiply-adds), and
// GLU's matrices worked out in GLU's own precision before they are rounded
// to float. Pure functions.
#pragma once

struct Matrix {
    float m[16];
};

Matrix IdentityMatrix();
// a × b.
Matrix Multiply(const Matrix& a, const Matrix& b);
// The matrices glRotatef, glScalef, gluPerspective and gluLookAt multiply the
// current one by (gluLookAt's includes its translation).
Matrix RotationMatrix(float angleDegrees, float x, float y, float z);
Matrix ScaleMatrix(float x, float y, float z);
Matrix PerspectiveMatrix(double fovyDegrees, double aspect, double zNear, double zFar);
// The current matrix times gluLookAt's: GLU multiplies by its rotation, then
// translates by the negated eye (glTranslated, done in float).
Matrix LookAt(const Matrix& current, const double eye[3], const double centre[3],
              const double up[3]);
