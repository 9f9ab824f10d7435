// One headless GL context for the whole test program, never destroyed:
// terminating it unloads the driver, after which the leak checker can no
// longer see the driver's own live allocations and reports them as leaks.
#pragma once

#include "platform/headless_gl.h"

// Current on the calling thread; its pbuffer is 1920 x 1080, large enough for
// every window size the tests draw as.
inline bool SharedGlReady() {
    static HeadlessGl* gl = nullptr;
    if (!gl) {
        gl = new HeadlessGl;
        if (!gl->Create(1920, 1080))
            return false;
    }
    return true;
}
