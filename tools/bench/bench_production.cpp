#include "platform/report.h"
#include "tools/bench/bench_modes.h"
#include "tools/render/offline_production.h"

#include <GL/glew.h>

#include <cstdio>

bool StartBenchProduction(OfflineProduction& production, const BenchOptions& options,
                          const char* mode, int supersample) {
    if (!production.Start(options.width, options.height, options.device, supersample)) {
        if (!production.SizeRefusal().empty())
            Report("%s", production.SizeRefusal().c_str());
        return false;
    }
    std::printf("\nzentrafel-bench %s at %dx%d on %s, %s\n", mode, options.width, options.height,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                production.Device().c_str());
    return true;
}
