// The benchmarks' summaries of their frame times.
#include "app/bench_stats.h"

#include <gtest/gtest.h>

#include <vector>

TEST(BenchStats, MedianAndNearestRankPercentile) {
    std::vector<double> odd = {5, 1, 4, 2, 3};
    EXPECT_EQ(Median(odd.data(), odd.size()), 3.0);
    std::vector<double> even = {8, 2, 6, 4};
    EXPECT_EQ(Median(even.data(), even.size()), 5.0);

    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i)
        hundred.push_back(i);
    EXPECT_EQ(Percentile(hundred.data(), hundred.size(), 95.0), 95.0);
    std::vector<double> sixty;
    for (int i = 1; i <= 60; ++i)
        sixty.push_back(i);
    EXPECT_EQ(Percentile(sixty.data(), sixty.size(), 95.0), 57.0) << "rank ceil(0.95 * 60)";
    EXPECT_EQ(Percentile(sixty.data(), 1, 95.0), 1.0);
    EXPECT_EQ(Median(sixty.data(), 0), 0.0);
}
