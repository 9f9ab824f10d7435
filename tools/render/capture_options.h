// The switches for captures meant for publication (the video's codec and
// quality, motion blur, supersampling, the contact sheet), parsed beside the
// renderer's other switches: which names they are, their values, and which
// modes they go with.
#pragma once

#include "tools/render/render_options.h"

#include <set>
#include <string>

constexpr int kMaxSubframes = 64;
constexpr int kMaxSupersample = 4;
constexpr int kMaxSheetColumns = 32;
constexpr int kMaxSheetCount = 400;

// Whether `name` is one of these switches (each takes a value).
bool IsCaptureOption(const std::string& name);
// Stores the value of one of them; false with the reason in `error`.
bool ApplyCaptureValue(const std::string& name, const std::string& value, RenderOptions& options,
                       std::string& error);
// Once the mode is known: refuses switches the mode would ignore and
// combinations that cannot be written, and gives the contact sheet its own
// default size. `seen` holds every switch given.
bool FinishCaptureOptions(const std::set<std::string>& seen, RenderOptions& options,
                          std::string& error);
