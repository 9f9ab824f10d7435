// The one way the benchmarks time GL work: wall-clock milliseconds with the
// GL's queue emptied before the clock starts and waited for before it stops,
// so that the time is the work's own and not the frames' before it.
#pragma once

#include <GL/glew.h>

#include <chrono>

// Returns once the GL has done all the work given it. WebGL's finish returns
// before that; reading a pixel back cannot.
inline void WaitForGl() {
#ifdef __EMSCRIPTEN__
    unsigned char pixel[4];
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
#else
    glFinish();
#endif
}

template <typename Work> double FinishedMilliseconds(Work&& work) {
    using Clock = std::chrono::steady_clock;
    WaitForGl();
    const Clock::time_point start = Clock::now();
    work();
    WaitForGl();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}
