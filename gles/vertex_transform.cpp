#include "gles/vertex_transform.h"

#include <cmath>

ViewportMap MakeViewportMap(const int viewport[4], bool flipped) {
    const float halfWidth = static_cast<float>(viewport[2]) / 2.0f;
    const float halfHeight = static_cast<float>(viewport[3]) / 2.0f;
    ViewportMap map;
    map.scale[0] = halfWidth;
    map.scale[1] = flipped ? -halfHeight : halfHeight;
    map.scale[2] = 0.5f;
    map.offset[0] = static_cast<float>(viewport[0]) + halfWidth;
    map.offset[1] = static_cast<float>(viewport[1]) + halfHeight;
    map.offset[2] = 0.5f;
    return map;
}

void ClipCoordinates(const Matrix& mvp, const float object[4], float clip[4]) {
    for (int c = 0; c < 4; ++c) {
        float sum = object[0] * mvp.m[c];
        sum = object[1] * mvp.m[4 + c] + sum;
        sum = object[2] * mvp.m[8 + c] + sum;
        clip[c] = object[3] * mvp.m[12 + c] + sum;
    }
}

void ToWindow(const ViewportMap& map, WindowVertex& v, bool fused) {
    const float oneOverW = 1.0f / v.clip[3];
    float window[3];
    for (int c = 0; c < 3; ++c) {
        const float ndc = v.clip[c] * oneOverW;
        window[c] =
            fused ? std::fma(ndc, map.scale[c], map.offset[c]) : ndc * map.scale[c] + map.offset[c];
    }
    v.x = window[0];
    v.y = window[1];
    v.z = window[2];
    v.oneOverW = oneOverW;
}
