// The generated geometry of the scenes: the particle cloud and the line field,
// both drawn from the program's own pseudo-random sequence at start-up, in a
// fixed order (the cloud first), and never changed afterwards.
#pragma once

#include "gfx/particle_system.h"

#include <cstdint>
#include <vector>

// 40 bytes: ten floats.
struct LineSegment {
    float origin[3];    // fixed end, whole numbers -500..499
    float direction[3]; // direction of the moving end, not normalised
    float tipColor[3];  // colour of the moving end; may be negative (drawn black)
    float gain;         // 0.000..0.999: how far the moving end reaches
};
static_assert(sizeof(LineSegment) == 40, "LineSegment is ten packed floats");

// The production's own pseudo-random sequence: every run must show the same
// cloud and field, which a platform's rand() does not promise. One sequence
// feeds both, the cloud first.
class Rand15 {
  public:
    // The next number 0..32767 (state 1 at start, never reseeded).
    int operator()();

  private:
    uint32_t state = 1;
};

// Appends the 2000 particles; w = displayScale × 640.
void GenerateParticleCloud(Rand15& rand15, ParticleSystem& system, float displayScale);
// Appends the 10000 segments.
void GenerateLineField(Rand15& rand15, std::vector<LineSegment>& field);
