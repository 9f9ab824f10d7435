// Stand-ins for the scene renderers that note which one ran, with what time.
#pragma once

#include <string>
#include <vector>

struct RendererCall {
    std::string renderer;
    double t;
};

// Every call since the last TakeRendererCalls, in order.
std::vector<RendererCall> TakeRendererCalls();
