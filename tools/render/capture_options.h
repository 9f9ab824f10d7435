// The switches for captures meant for publication (the video's codec and
// quality, motion blur, supersampling, the contact sheet), parsed with the
// renderer's other switches (render_options.cpp): their limits, and which
// modes they go with.
#pragma once

#include "tools/render/render_options.h"

#include <set>
#include <string>

constexpr int kMaxSubframes = 64;
constexpr int kMaxSupersample = 4;
constexpr int kMaxSheetColumns = 32;
constexpr int kMaxSheetCount = 400;

// Once the mode is known: refuses switches the mode would ignore and
// combinations that cannot be written, and gives the contact sheet its own
// default size. `seen` holds every switch given.
bool FinishCaptureOptions(const std::set<std::string>& seen, RenderOptions& options,
                          std::string& error);
