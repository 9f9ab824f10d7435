#include "scenes/scene_data.h"

#include <cmath>
#include <cstdint>

namespace {

// -50 .. 49.95 in steps of 0.05.
float CloudCoordinate(Rand15& rand15) {
    return (rand15() % 2000 / 1000.0f - 1.0f) * 50.0f;
}

// Whole numbers -500 .. 499.
float FieldCoordinate(Rand15& rand15) {
    return static_cast<float>(rand15() % 1000 - 500);
}

} // namespace

int Rand15::operator()() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void GenerateParticleCloud(Rand15& rand15, ParticleSystem& system, float displayScale) {
    for (int i = 0; i < 2000; ++i) {
        Particle p;
        p.x = CloudCoordinate(rand15);
        p.y = CloudCoordinate(rand15);
        p.z = CloudCoordinate(rand15);
        p.w = displayScale * 640.0f;
        // Colour is the direction from the centre; opacity falls from 1 at the
        // centre towards 0.5 far out.
        float length = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z + 1.0f);
        p.r = 0.5f + 0.5f * p.x / length;
        p.g = 0.5f + 0.5f * p.y / length;
        p.b = 0.5f + 0.5f * p.z / length;
        p.a = 0.5f + 0.5f / length;
        system.particles.push_back(p);
    }
}

void GenerateLineField(Rand15& rand15, std::vector<LineSegment>& field) {
    for (int i = 0; i < 10000; ++i) {
        LineSegment s;
        for (float& c : s.origin)
            c = FieldCoordinate(rand15);
        for (float& c : s.direction)
            c = FieldCoordinate(rand15);
        const float* d = s.direction;
        // Segments pointing towards negative x get a negative colour, which
        // the drawing clamps to black.
        float brightness = d[0] / std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        bool blueGreen = rand15() % 2 == 0;
        s.tipColor[0] = blueGreen ? 0.0f : brightness;
        s.tipColor[1] = 0.5f * brightness;
        s.tipColor[2] = (blueGreen ? 0.75f : 0.25f) * brightness;
        s.gain = static_cast<float>(rand15() % 1000) / 1000.0f;
        field.push_back(s);
    }
}
