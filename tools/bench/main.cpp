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
    switch (options.mode) {
    case BenchMode::Pass:
        return RunPass(options);
    case BenchMode::Post:
        return RunPost(options);
    case BenchMode::Capture:
        return RunCapture(options);
    case BenchMode::Clock:
        return RunClock(options);
    case BenchMode::Soak:
        return RunSoak(options);
    }
    return 2;
}
