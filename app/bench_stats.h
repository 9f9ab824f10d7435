// Summaries of the benchmark's frame times. The functions reorder the samples
// they are given and allocate nothing.
#pragma once

#include <cstddef>

// The middle value (the mean of the two middle values for an even count).
double Median(double* samples, size_t count);
// The nearest-rank percentile: the smallest sample that at least `percent` %
// of the samples do not exceed.
double Percentile(double* samples, size_t count, double percent);
