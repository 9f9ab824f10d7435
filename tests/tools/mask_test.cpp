// Coverage masks and shapes: the pieces every image is built from.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "mask.h"

namespace {

float Total(const Mask& m) {
    return std::accumulate(m.value.begin(), m.value.end(), 0.0f);
}

TEST(Mask, OutsideReadsEmpty) {
    Mask m(4, 3);
    m.Ref(3, 2) = 0.7f;
    EXPECT_FLOAT_EQ(m.At(3, 2), 0.7f);
    EXPECT_EQ(m.At(-1, 0), 0.0f);
    EXPECT_EQ(m.At(4, 0), 0.0f);
    EXPECT_EQ(m.At(0, 3), 0.0f);
}

TEST(Blur, SpreadsADotSymmetricallyAndKeepsItsTotal) {
    Mask m(41, 41);
    m.Ref(20, 20) = 1.0f;
    Mask b = Blurred(m, 4.0f);
    EXPECT_NEAR(Total(b), 1.0f, 1e-4);
    EXPECT_LT(b.At(20, 20), 0.05f);
    EXPECT_FLOAT_EQ(b.At(15, 20), b.At(25, 20));
    EXPECT_FLOAT_EQ(b.At(20, 14), b.At(20, 26));
    EXPECT_GT(b.At(20, 20), b.At(24, 20));
    EXPECT_GT(b.At(24, 20), b.At(28, 20));
    // A zero radius changes nothing.
    EXPECT_EQ(Blurred(m, 0.0f).value, m.value);
}

TEST(MaskOps, AmplifyUnionMinusShiftClampToCoverage) {
    Mask a(3, 1), b(3, 1);
    a.value = {0.2f, 0.6f, 1.0f};
    b.value = {0.5f, 0.1f, 0.3f};
    EXPECT_EQ(Amplified(a, 2.0f).value, (std::vector<float>{0.4f, 1.0f, 1.0f}));
    EXPECT_EQ(Union(a, b).value, (std::vector<float>{0.5f, 0.6f, 1.0f}));
    Mask d = Minus(a, b);
    EXPECT_FLOAT_EQ(d.value[0], 0.0f);
    EXPECT_FLOAT_EQ(d.value[1], 0.5f);
    EXPECT_EQ(Shifted(a, 1, 0).value, (std::vector<float>{0.0f, 0.2f, 0.6f}));
}

TEST(Shapes, DiscCoversItsAreaWithSoftEdges) {
    Mask m(64, 64);
    FillDisc(m, 32.0f, 32.0f, 10.0f);
    EXPECT_NEAR(Total(m), 3.14159f * 100.0f, 3.0f);
    EXPECT_FLOAT_EQ(m.At(32, 32), 1.0f);
    EXPECT_EQ(m.At(32, 50), 0.0f);
    FillRect(m, -5, -5, 2, 2);
    EXPECT_FLOAT_EQ(m.At(0, 0), 1.0f);
    EXPECT_EQ(m.At(2, 2), 0.0f);
}

TEST(Shapes, RuleFadesTowardsBothEnds) {
    Mask m(100, 10);
    FillRule(m, 10.0f, 90.0f, 4, 2);
    EXPECT_FLOAT_EQ(m.At(50, 4), 1.0f);
    EXPECT_FLOAT_EQ(m.At(50, 5), 1.0f);
    EXPECT_EQ(m.At(50, 6), 0.0f);
    EXPECT_LT(m.At(11, 4), 0.1f);
    EXPECT_NEAR(m.At(20, 4), m.At(79, 4), 1e-5);
    EXPECT_EQ(m.At(5, 4), 0.0f);
}

TEST(Shapes, GlowFallsSmoothlyToZeroAtItsRadius) {
    EXPECT_FLOAT_EQ(GlowFalloff(0.0f, 32.0f), 1.0f);
    EXPECT_EQ(GlowFalloff(32.0f, 32.0f), 0.0f);
    EXPECT_EQ(GlowFalloff(40.0f, 32.0f), 0.0f);
    float previous = 1.0f;
    for (float d = 1.0f; d < 32.0f; d += 1.0f) {
        float v = GlowFalloff(d, 32.0f);
        EXPECT_LT(v, previous) << d;
        previous = v;
    }
    // No visible ring: the last pixel inside is almost dark.
    EXPECT_LT(GlowFalloff(31.5f, 32.0f), 0.001f);
}

} // namespace
