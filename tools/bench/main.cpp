// zentrafel-bench: the benchmarks beside zentrafel-render --bench, one mode
// each (see BenchUsage). Run from the repository root: the GL modes read
// "./resource/" as the production does.
#include "tools/bench/bench_modes.h"

#include <cstdio>

int main(int argc, char** argv) {
    BenchOptions options;
    if (!ParseBenchOptions(argc, argv, options)) {
        std::fputs(BenchUsage(), stderr);
        return 2;
    }
    // In the order of BenchMode.
    int (*const run[])(const BenchOptions&) = {RunPass, RunPost, RunCapture, RunClock, RunSoak};
    return run[int(options.mode)](options);
}
