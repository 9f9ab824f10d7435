#include "scenes/scene_data.h"

#include <gtest/gtest.h>

namespace {

TEST(Rand15, FollowsTheProgramsOwnSequence) {
    Rand15 rand15;
    EXPECT_EQ(rand15(), 41);
    EXPECT_EQ(rand15(), 18467);
    EXPECT_EQ(rand15(), 6334);

    int lowest = 32767;
    int highest = 0;
    for (int i = 0; i < 200000; ++i) {
        int r = rand15();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
}

// Each production starts its own sequence afresh, so a second one built in
// the same process shows the same cloud and field.
TEST(Rand15, EverySequenceStartsAtTheSameState) {
    Rand15 first;
    first();
    Rand15 second;
    EXPECT_EQ(second(), 41);
}

} // namespace
