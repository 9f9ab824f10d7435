#include "app/bench_stats.h"

#include <algorithm>
#include <cmath>

double Median(double* samples, size_t count) {
    if (count == 0)
        return 0.0;
    std::sort(samples, samples + count);
    if (count % 2 == 1)
        return samples[count / 2];
    return 0.5 * (samples[count / 2 - 1] + samples[count / 2]);
}

double Percentile(double* samples, size_t count, double percent) {
    if (count == 0)
        return 0.0;
    std::sort(samples, samples + count);
    size_t rank = static_cast<size_t>(std::ceil(percent / 100.0 * count));
    return samples[std::min(std::max<size_t>(rank, 1), count) - 1];
}
