// What zentrafel-render does once the production has started: each mode
// draws its frames through OfflineProduction and returns the exit status
// (0 done, 1 an output could not be written).
#pragma once

#include "gfx/png_encoder.h"
#include "tools/render/exposure.h"
#include "tools/render/offline_production.h"
#include "tools/render/render_options.h"

#include <chrono>

int RenderStills(const RenderOptions& options, OfflineProduction& production);
int RenderSequence(const RenderOptions& options, OfflineProduction& production);
int RenderVideo(const RenderOptions& options, OfflineProduction& production);
int RenderContactSheet(const RenderOptions& options, OfflineProduction& production);
// `launched`: when the process started, for the time to the first frame.
int RunBench(OfflineProduction& production, std::chrono::steady_clock::time_point launched);

// The exposure of the options' motion blur and frame rate.
ExposureSettings ExposureOf(const RenderOptions& options);

// One still: draws music time t, reads it back and writes it as a PNG to
// `path`. Allocates nothing; false (errno set) when the file cannot be written.
bool WriteFramePng(OfflineProduction& production, Exposure& exposure, PngEncoder& encoder, double t,
                   const char* path);
