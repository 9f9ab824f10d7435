// The one way the benchmarks time GL work: wall-clock milliseconds with the
// GL's queue emptied before the clock starts and waited for before it stops,
// so that the time is the work's own and not the frames' before it.
#pragma once

#include <GL/glew.h>

#include <chrono>

template <typename Work> double FinishedMilliseconds(Work&& work) {
    using Clock = std::chrono::steady_clock;
    glFinish();
    const Clock::time_point start = Clock::now();
    work();
    glFinish();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}
