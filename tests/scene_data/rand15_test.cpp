#include "scenes/scene_data.h"

#include <gtest/gtest.h>

namespace {

// One test: a second would see the sequence already advanced.
TEST(Rand15, FollowsTheProgramsOwnSequence) {
    EXPECT_EQ(Rand15(), 41);
    EXPECT_EQ(Rand15(), 18467);
    EXPECT_EQ(Rand15(), 6334);

    int lowest = 32767;
    int highest = 0;
    for (int i = 0; i < 200000; ++i) {
        int r = Rand15();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
}

} // namespace
