#include "scenes/scene_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

// The generator's recurrence, written out independently, to tell how many
// numbers the generation drew.
int ReferenceDraw(long long n) {
    uint64_t state = 1;
    int result = 0;
    for (long long i = 0; i < n; ++i) {
        state = (state * 214013 + 2531011) % (uint64_t(1) << 32);
        result = static_cast<int>(state / 65536 % 32768);
    }
    return result;
}

// Generated once, in start-up's order, from a fresh sequence.
class SceneData : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Rand15 rand15;
        GenerateParticleCloud(rand15, cloud, 0.8f);
        GenerateLineField(rand15, field);
        nextDraw = rand15();
    }
    static ParticleSystem cloud;
    static std::vector<LineSegment> field;
    static int nextDraw;
};
ParticleSystem SceneData::cloud{};
std::vector<LineSegment> SceneData::field;
int SceneData::nextDraw;

void ExpectSegment(const LineSegment& s, const float (&expected)[10]) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.origin[i], expected[i]) << "origin " << i;
        EXPECT_EQ(s.direction[i], expected[3 + i]) << "direction " << i;
        EXPECT_NEAR(s.tipColor[i], expected[6 + i], 5e-5) << "tipColor " << i;
    }
    EXPECT_FLOAT_EQ(s.gain, expected[9]);
}

TEST_F(SceneData, GenerationDraws6000ThenExactly80000Numbers) {
    // The field's first segment already depends on the cloud's 6000 draws.
    EXPECT_EQ(nextDraw, ReferenceDraw(6000 + 80000 + 1));
}

TEST_F(SceneData, CloudStartsAtTheKnownParticles) {
    ASSERT_EQ(cloud.particles.size(), 2000u);
    const Particle& first = cloud.particles[0];
    EXPECT_FLOAT_EQ(first.x, -47.95f);
    EXPECT_FLOAT_EQ(first.y, -26.65f);
    EXPECT_FLOAT_EQ(first.z, -33.30f);
    EXPECT_NEAR(first.r, 0.1265, 5e-5);
    EXPECT_NEAR(first.g, 0.2924, 5e-5);
    EXPECT_NEAR(first.b, 0.2406, 5e-5);
    EXPECT_NEAR(first.a, 0.5078, 5e-5);
    const Particle& second = cloud.particles[1];
    EXPECT_FLOAT_EQ(second.x, -25.00f);
    EXPECT_FLOAT_EQ(second.y, 8.45f);
    EXPECT_FLOAT_EQ(second.z, 36.20f);
}

TEST_F(SceneData, CloudParticlesShareSizeAndColourTheirDirection) {
    for (const Particle& p : cloud.particles) {
        EXPECT_EQ(p.w, 512.0f);
        for (float c : {p.x, p.y, p.z}) {
            EXPECT_GE(c, -50.0f);
            EXPECT_LE(c, 49.95f);
        }
        // Colour above 0.5 on exactly the axes the particle lies towards.
        EXPECT_EQ(p.r > 0.5f, p.x > 0.0f);
        EXPECT_EQ(p.b < 0.5f, p.z < 0.0f);
        EXPECT_GT(p.a, 0.5f);
        EXPECT_LE(p.a, 1.0f);
    }
}

TEST_F(SceneData, FieldStartsAtTheKnownSegments) {
    ASSERT_EQ(field.size(), 10000u);
    ExpectSegment(field[0], {-127, -469, 104, 283, 291, -78, 0, 0.3423f, 0.5135f, 0.987f});
    ExpectSegment(field[1], {-136, 68, 494, 79, -477, 209, 0.1500f, 0.0750f, 0.0375f, 0.141f});
    EXPECT_NEAR(field[2].tipColor[0], -0.5634, 5e-5);
    EXPECT_NEAR(field[2].tipColor[1], -0.2817, 5e-5);
    EXPECT_NEAR(field[2].tipColor[2], -0.1408, 5e-5);
}

TEST_F(SceneData, FieldSegmentsStayInRangeWithNonZeroDirections) {
    for (const LineSegment& s : field) {
        for (int i = 0; i < 3; ++i) {
            for (float c : {s.origin[i], s.direction[i]}) {
                EXPECT_EQ(c, std::floor(c));
                EXPECT_GE(c, -500.0f);
                EXPECT_LE(c, 499.0f);
            }
            EXPECT_LE(std::fabs(s.tipColor[i]), 1.0f);
        }
        EXPECT_FALSE(s.direction[0] == 0 && s.direction[1] == 0 && s.direction[2] == 0);
        EXPECT_GE(s.gain, 0.0f);
        EXPECT_LE(s.gain, 0.999f);
    }
}

} // namespace
