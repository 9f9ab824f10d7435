#include "tests/gles/test_drawings.h"

#include <cmath>

// As the particle cloud's "ps" pair: the size from the distance, the sprite
// read at the point-sprite coordinate.
const char* const kSpriteVertexSource =
    "#version 120\n"
    "varying vec4 color;\n"
    "void main() {\n"
    "    vec4 eye = gl_ModelViewMatrix * vec4(gl_Vertex.xyz, 1.0);\n"
    "    gl_PointSize = gl_Vertex.w / max(length(eye.xyz), 1.0);\n"
    "    gl_Position = gl_ProjectionMatrix * eye;\n"
    "    color = gl_Color;\n"
    "}\n";
const char* const kSpriteFragmentSource =
    "#version 120\n"
    "uniform sampler2D sprite;\n"
    "varying vec4 color;\n"
    "void main() { gl_FragColor = texture2D(sprite, gl_PointCoord) * color; }\n";

// Bright in the middle, falling to 0 at the rim, each channel differently so
// that a turned or mirrored sprite would show.
std::vector<unsigned char> RadialTexture(int size) {
    std::vector<unsigned char> t(static_cast<size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
            const double d = std::sqrt(dx * dx + dy * dy) / (size / 2.0);
            const double f = d >= 1.0 ? 0.0 : (1.0 - d) * (1.0 - d);
            unsigned char* p = &t[(static_cast<size_t>(y) * size + x) * 4];
            p[0] = static_cast<unsigned char>(std::lround(255 * f));
            p[1] = static_cast<unsigned char>(std::lround(255 * f * x / size));
            p[2] = static_cast<unsigned char>(std::lround(255 * f * y / size));
            p[3] = p[0];
        }
    return t;
}
