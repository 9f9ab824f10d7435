#include "gles/matrix_math.h"

#include <cmath>

namespace {

float& At(Matrix& m, int row, int column) {
    return m.m[column * 4 + row];
}

// The vector helpers of GLU's gluLookAt: float vectors, the length's square
// root taken in double.
void Normalize(float v[3]) {
    const float r = static_cast<float>(std::sqrt(double(v[0] * v[0] + v[1] * v[1] + v[2] * v[2])));
    if (r == 0.0f)
        return;
    v[0] /= r;
    v[1] /= r;
    v[2] /= r;
}

void Cross(const float a[3], const float b[3], float out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

// glTranslatef: the fourth column becomes m0 x + m1 y + m2 z + m3.
Matrix Translate(Matrix m, float x, float y, float z) {
    for (int row = 0; row < 4; ++row) {
        float sum = m.m[row] * x;
        sum = sum + m.m[4 + row] * y;
        sum = sum + m.m[8 + row] * z;
        m.m[12 + row] = sum + m.m[12 + row];
    }
    return m;
}

// The turn from axis a towards axis b by the angle of sine s and cosine c.
Matrix PlaneRotation(int a, int b, float c, float s) {
    Matrix m = IdentityMatrix();
    At(m, a, a) = c;
    At(m, b, b) = c;
    At(m, a, b) = -s;
    At(m, b, a) = s;
    return m;
}

} // namespace

Matrix IdentityMatrix() {
    Matrix m{};
    m.m[0] = m.m[5] = m.m[10] = m.m[15] = 1.0f;
    return m;
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix p;
    for (int i = 0; i < 4; ++i) {
        const float a0 = a.m[i], a1 = a.m[4 + i], a2 = a.m[8 + i], a3 = a.m[12 + i];
        for (int j = 0; j < 4; ++j) {
            const float* bj = b.m + j * 4;
            float sum = a0 * bj[0];
            sum = sum + a1 * bj[1];
            sum = sum + a2 * bj[2];
            sum = sum + a3 * bj[3];
            p.m[j * 4 + i] = sum;
        }
    }
    return p;
}

// A rotation about one of the axes is written out directly, as the GL does
// (no products of the axis that would round a 0 or a 1); others by the
// general formula. The angle's sine and cosine are taken in float of the
// angle converted to radians in double.
Matrix RotationMatrix(float angleDegrees, float x, float y, float z) {
    const float radians = static_cast<float>(angleDegrees * M_PI / 180.0);
    const float s = std::sin(radians);
    const float c = std::cos(radians);
    if (x == 0.0f && y == 0.0f && z != 0.0f)
        return PlaneRotation(0, 1, c, z < 0.0f ? -s : s);
    if (x == 0.0f && z == 0.0f && y != 0.0f)
        return PlaneRotation(2, 0, c, y < 0.0f ? -s : s);
    if (y == 0.0f && z == 0.0f && x != 0.0f)
        return PlaneRotation(1, 2, c, x < 0.0f ? -s : s);
    Matrix m = IdentityMatrix();
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length <= 1.0e-4f)
        return m;
    x /= length;
    y /= length;
    z /= length;
    const float xx = x * x, yy = y * y, zz = z * z;
    const float xy = x * y, yz = y * z, zx = z * x;
    const float xs = x * s, ys = y * s, zs = z * s;
    const float oneC = 1.0f - c;
    At(m, 0, 0) = (oneC * xx) + c;
    At(m, 0, 1) = (oneC * xy) - zs;
    At(m, 0, 2) = (oneC * zx) + ys;
    At(m, 1, 0) = (oneC * xy) + zs;
    At(m, 1, 1) = (oneC * yy) + c;
    At(m, 1, 2) = (oneC * yz) - xs;
    At(m, 2, 0) = (oneC * zx) - ys;
    At(m, 2, 1) = (oneC * yz) + xs;
    At(m, 2, 2) = (oneC * zz) + c;
    return m;
}

Matrix ScaleMatrix(float x, float y, float z) {
    Matrix m = IdentityMatrix();
    m.m[0] = x;
    m.m[5] = y;
    m.m[10] = z;
    return m;
}

Matrix PerspectiveMatrix(double fovyDegrees, double aspect, double zNear, double zFar) {
    const double radians = fovyDegrees / 2 * M_PI / 180;
    const double deltaZ = zFar - zNear;
    const double sine = std::sin(radians);
    const double cotangent = std::cos(radians) / sine;
    double d[16] = {};
    d[0] = cotangent / aspect;
    d[5] = cotangent;
    d[10] = -(zFar + zNear) / deltaZ;
    d[11] = -1;
    d[14] = -2 * zNear * zFar / deltaZ;
    Matrix m;
    for (int i = 0; i < 16; ++i)
        m.m[i] = static_cast<float>(d[i]);
    return m;
}

Matrix LookAt(const Matrix& current, const double eye[3], const double centre[3],
              const double up[3]) {
    float forward[3] = {static_cast<float>(centre[0] - eye[0]),
                        static_cast<float>(centre[1] - eye[1]),
                        static_cast<float>(centre[2] - eye[2])};
    float upward[3] = {static_cast<float>(up[0]), static_cast<float>(up[1]),
                       static_cast<float>(up[2])};
    float side[3];
    Normalize(forward);
    Cross(forward, upward, side);
    Normalize(side);
    Cross(side, forward, upward);
    Matrix r = IdentityMatrix();
    for (int k = 0; k < 3; ++k) {
        At(r, 0, k) = side[k];
        At(r, 1, k) = upward[k];
        At(r, 2, k) = -forward[k];
    }
    return Translate(Multiply(current, r), static_cast<float>(-eye[0]), static_cast<float>(-eye[1]),
                     static_cast<float>(-eye[2]));
}
