#include "gles/wide_lines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// --- clipping against the six planes of the view volume -------------------

const float kPlanes[6][4] = {{-1, 0, 0, 1}, {1, 0, 0, 1}, {0, -1, 0, 1},
                             {0, 1, 0, 1},  {0, 0, 1, 1}, {0, 0, -1, 1}};

unsigned OutsideMask(const float* p) {
    unsigned mask = 0;
    mask |= p[0] > p[3] ? 1u : 0u;
    mask |= 0.0f > p[0] + p[3] ? 2u : 0u;
    mask |= p[1] > p[3] ? 4u : 0u;
    mask |= 0.0f > p[1] + p[3] ? 8u : 0u;
    mask |= 0.0f > p[2] + p[3] ? 16u : 0u;
    mask |= p[2] > p[3] ? 32u : 0u;
    return mask;
}

float Dot4(const float* a, const float* b) {
    float sum = a[0] * b[0];
    sum = sum + a[1] * b[1];
    sum = sum + a[2] * b[2];
    return sum + a[3] * b[3];
}

float Lerp(float t, float out, float in) {
    const float d = in - out;
    const float m = t * d;
    return out + m;
}

WindowVertex Interpolate(const ViewportMap& map, float t, const WindowVertex& out,
                         const WindowVertex& in) {
    WindowVertex v;
    for (int c = 0; c < 4; ++c) {
        v.clip[c] = Lerp(t, out.clip[c], in.clip[c]);
        v.color[c] = Lerp(t, out.color[c], in.color[c]);
    }
    ToWindow(map, v, false);
    return v;
}

// --- the end points' diamond-exit rule and the corners --------------------

// How far a quad covered in the shader grows, in 1/256 px: an eighth of a
// pixel.
constexpr int kGrowth = 32;

int RoundHalfAway(float f) {
    return f >= 0.0f ? static_cast<int>(f + 0.5f) : static_cast<int>(f - 0.5f);
}

int Snap(float a) {
    return RoundHalfAway(256.0f * a);
}

bool NonNegative(float x) {
    return x >= 0.0f;
}

float Fraction(float f) {
    return f - std::floor(f);
}

// An end of the line and how it is drawn: `diff` is the end's offset from
// its pixel's centre along each axis.
struct LineEnd {
    const float* p;
    float diff[2];
};

LineEnd EndOf(const float* p) {
    return {p, {p[0] - std::floor(p[0]) - 0.5f, p[1] - std::floor(p[1]) - 0.5f}};
}

// Corners in fixed point (1/256 px) along the major axis `M` and the minor
// axis `m` (x-major: M = 0, m = 1). The four corners run v1-, v2-, v2+, v1+.
struct FixedQuad {
    int c[4][2];
};

// The rule along major axis M (0: x, 1: y), written once for both: for a
// y-major line the roles of x and y swap and the direction tests with them.
FixedQuad MajorAxisQuad(LineEnd e1, LineEnd e2, float d[2], float width, int M) {
    const int m = 1 - M;
    const float slope = d[m] / d[M];
    float diffM1 = e1.diff[M], diffm1 = e1.diff[m];
    float diffM2 = e2.diff[M], diffm2 = e2.diff[m];
    if (diffm2 == -0.5f && d[m] < 0.0f)
        diffm2 = 0.5f;

    bool drawStart, drawEnd;
    if (std::fabs(diffM1) + std::fabs(diffm1) < 0.5f)
        drawStart = true;
    else if (M == 0 ? NonNegative(diffM1) == NonNegative(-d[M])
                    : NonNegative(-diffM1) == NonNegative(d[M]))
        drawStart = false;
    else if (M == 0 ? NonNegative(-diffm1) != NonNegative(d[m])
                    : NonNegative(diffm1) != NonNegative(-d[m]))
        drawStart = true;
    else {
        const float cross = Fraction(e1.p[m]) + diffM1 * slope;
        drawStart = cross < 1.0f && cross > 0.0f;
    }
    if (std::fabs(diffM2) + std::fabs(diffm2) < 0.5f)
        drawEnd = false;
    else if (M == 0 ? NonNegative(diffM2) != NonNegative(-d[M])
                    : NonNegative(-diffM2) != NonNegative(d[M]))
        drawEnd = false;
    else if (M == 0 ? NonNegative(-diffm2) == NonNegative(d[m])
                    : NonNegative(diffm2) == NonNegative(-d[m]))
        drawEnd = true;
    else {
        const float cross = Fraction(e2.p[m]) + diffM2 * slope;
        drawEnd = cross < 1.0f && (M == 0 ? cross > 0.0f : cross >= 0.0f);
    }
    const bool willDrawStart = M == 0 ? NonNegative(-diffM1) != NonNegative(d[M])
                                      : NonNegative(diffM1) == NonNegative(d[M]);
    const bool willDrawEnd = (M == 0 ? NonNegative(diffM2) == NonNegative(-d[M])
                                     : NonNegative(-diffM2) == NonNegative(d[M])) ||
                             diffM2 == 0.0f;

    // The line runs towards +x (x-major) or -y (y-major) from v1 to v2.
    const bool reverse = M == 0 ? d[M] < 0.0f : d[M] > 0.0f;
    const float halfStep = M == 0 ? 0.5f : -0.5f;
    float offset[2] = {0.0f, 0.0f}, offsetEnd[2] = {0.0f, 0.0f};
    const float* v1 = e1.p;
    const float* v2 = e2.p;
    if (reverse) {
        std::swap(v1, v2);
        if (willDrawStart != drawStart) {
            offsetEnd[M] = -diffM1 - halfStep;
            offsetEnd[m] = offsetEnd[M] * slope;
        }
        if (willDrawEnd != drawEnd) {
            offset[M] = -diffM2 - halfStep;
            offset[m] = offset[M] * slope;
        }
    } else {
        if (willDrawStart != drawStart) {
            offset[M] = -diffM1 + halfStep;
            offset[m] = offset[M] * slope;
        }
        if (willDrawEnd != drawEnd) {
            offsetEnd[M] = -diffM2 + halfStep;
            offsetEnd[m] = offsetEnd[M] * slope;
        }
    }
    const int fixedWidth = RoundHalfAway(width) * 256;
    FixedQuad q;
    const float* ends[4] = {v1, v2, v2, v1};
    const float* offsets[4] = {offset, offsetEnd, offsetEnd, offset};
    const int side[4] = {-1, -1, 1, 1};
    for (int i = 0; i < 4; ++i) {
        q.c[i][M] = Snap(ends[i][M] + offsets[i][M] - 0.5f);
        q.c[i][m] = Snap(ends[i][m] + offsets[i][m] - 0.5f) + side[i] * (fixedWidth / 2);
    }
    return q;
}

// Colour, depth and w at one end of the widened line: linear along the
// major axis in window space (colour and 1/w perspective-correct), constant
// across it, so the end's two corners share them and `ndc` along the major
// axis and in depth. `major` is the end's window coordinate along that axis.
struct EndValues {
    double w;
    double ndcMajor, ndcDepth;
    float color[4];
};

EndValues ValuesAt(const ViewportMap& map, const WindowVertex& a, const WindowVertex& b,
                   double major, int M, double scaleMajor) {
    const double t =
        M == 0 ? (major - a.x) / (double(b.x) - a.x) : (major - a.y) / (double(b.y) - a.y);
    const double oneOverW = a.oneOverW + t * (double(b.oneOverW) - a.oneOverW);
    const double z = a.z + t * (double(b.z) - a.z);
    EndValues end;
    end.w = 1.0 / oneOverW;
    for (int c = 0; c < 4; ++c) {
        const double pa = double(a.color[c]) * a.oneOverW;
        const double pb = double(b.color[c]) * b.oneOverW;
        end.color[c] = static_cast<float>((pa + t * (pb - pa)) / oneOverW);
    }
    end.ndcMajor = (major - map.offset[M]) / scaleMajor;
    end.ndcDepth = (z - map.offset[2]) / map.scale[2];
    return end;
}

// A corner in the clip coordinates of the viewport widened by the margin:
// its end's values and its own coordinate along the minor axis.
void CornerAt(const EndValues& end, double ndcMinor, int M, LineCorner& corner) {
    corner.clip[M] = static_cast<float>(end.ndcMajor * end.w);
    corner.clip[1 - M] = static_cast<float>(ndcMinor * end.w);
    corner.clip[2] = static_cast<float>(end.ndcDepth * end.w);
    corner.clip[3] = static_cast<float>(end.w);
    std::copy(end.color, end.color + 4, corner.color);
}

// The lower long edge, v1- to v2-, in sample space (see WidenLine); then
// the quad grown by kGrowth each way along both axes: wide enough that a
// rasteriser snapping to 1/16 of a pixel still reaches every pixel the quad
// covers, narrow enough to add few pixels for the shader.
void GrowForTheShader(FixedQuad& q, int M, float quad[4]) {
    const int m = 1 - M;
    quad[0] = float(q.c[0][M] / 256.0) + (M == 0 ? 0.0f : kYMajorOffset);
    quad[1] = float(q.c[0][m] / 256.0);
    quad[2] = float(q.c[1][M] / 256.0);
    quad[3] = float(q.c[1][m] / 256.0);
    const int towardsEnd = q.c[1][M] >= q.c[0][M] ? kGrowth : -kGrowth;
    const int ahead[4] = {-towardsEnd, towardsEnd, towardsEnd, -towardsEnd};
    const int side[4] = {-kGrowth, -kGrowth, kGrowth, kGrowth};
    for (int i = 0; i < 4; ++i) {
        q.c[i][M] += ahead[i];
        q.c[i][m] += side[i];
    }
}

} // namespace

bool ClipLine(const ViewportMap& map, WindowVertex& a, WindowVertex& b) {
    const unsigned maskA = OutsideMask(a.clip), maskB = OutsideMask(b.clip);
    if (!(maskA | maskB)) {
        ToWindow(map, a, true);
        ToWindow(map, b, true);
        return true;
    }
    if (maskA & maskB)
        return false;
    float t0 = 0.0f, t1 = 0.0f;
    for (int plane = 0; plane < 6; ++plane) {
        if (!((maskA | maskB) & (1u << plane)))
            continue;
        const float dp0 = Dot4(a.clip, kPlanes[plane]);
        const float dp1 = Dot4(b.clip, kPlanes[plane]);
        if (dp1 < 0.0f)
            t1 = std::max(t1, dp1 / (dp1 - dp0));
        if (dp0 < 0.0f)
            t0 = std::max(t0, dp0 / (dp0 - dp1));
        if (t0 + t1 >= 1.0f)
            return false;
    }
    const WindowVertex newA = maskA ? Interpolate(map, t0, a, b) : a;
    const WindowVertex newB = maskB ? Interpolate(map, t1, b, a) : b;
    a = newA;
    b = newB;
    if (!maskA)
        ToWindow(map, a, true);
    if (!maskB)
        ToWindow(map, b, true);
    return true;
}

bool WidenLine(const ViewportMap& map, const WindowVertex& a, const WindowVertex& b, float width,
               float margin, LineCorner out[4], float* quad) {
    const float p1[2] = {a.x, a.y}, p2[2] = {b.x, b.y};
    float d[2] = {p1[0] - p2[0], p1[1] - p2[1]};
    if (d[0] * d[0] + d[1] * d[1] == 0.0f)
        return false;
    const bool xMajor = std::fabs(d[0]) >= std::fabs(d[1]);
    const int M = xMajor ? 0 : 1, m = 1 - M;
    FixedQuad q = MajorAxisQuad(EndOf(p1), EndOf(p2), d, std::max(1.0f, width), M);
    if (quad)
        GrowForTheShader(q, M, quad);
    // The viewport's scale grown by the margin, away from its centre.
    double scale[2];
    for (int axis = 0; axis < 2; ++axis)
        scale[axis] = map.scale[axis] + std::copysign(double(margin), double(map.scale[axis]));
    // Corners 0 and 3 lie at the first end, 1 and 2 at the second.
    for (int i : {0, 1}) {
        const EndValues end = ValuesAt(map, a, b, q.c[i][M] / 256.0 + 0.5, M, scale[M]);
        for (int k : {i, 3 - i}) {
            const double minor = q.c[k][m] / 256.0 + 0.5;
            CornerAt(end, (minor - map.offset[m]) / scale[m], M, out[k]);
        }
    }
    return true;
}
