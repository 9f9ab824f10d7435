// The benchmark: frame times of every section of the timeline, drawn as the
// production draws them (RenderFrame then glFinish; no read-back), printed
// on stdout as a markdown table.
#include "tools/render/render_modes.h"

#include "app/section_bench.h"

#include <GL/glew.h>

#include <chrono>
#include <cstdio>

int RunBench(OfflineProduction& production, std::chrono::steady_clock::time_point launched) {
    // The production's first frame, at music time 0, ends its start-up.
    production.DrawFrameAt(0.0);
    glFinish();
    const std::chrono::duration<double, std::milli> firstFrame =
        std::chrono::steady_clock::now() - launched;

    const Viewport& v = production.View();
    std::printf("\nzentrafel-render --bench at %dx%d (drawn area %dx%d) on %s, %s\n\n",
                production.Width(), production.Height(), v.width, v.height,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                production.Device().c_str());
    PrintSectionFrameTimes([&](double t) { production.DrawFrameAt(t); }, production.MusicLength());
    std::printf("\nTime to first frame (process start to the first frame finished): %.0f ms\n",
                firstFrame.count());
    return 0;
}
