// The frame-time benchmark of the production's sections: frames spread
// evenly over the inside of each section, each drawn as the production
// draws it and followed by glFinish, summarised per section as a markdown
// table on stdout. The offline renderer's --bench and the page's ?bench run
// it over their own drawing.
#pragma once

#include <functional>

// `drawAt` draws the frame at music time t; setting the music position stands
// in for the production's clock read, so it is timed with the frame.
// `musicLength` ends the credits' section.
void PrintSectionFrameTimes(const std::function<void(double t)>& drawAt, double musicLength);
