// The switches for captures meant for publication (the video's codec and
// quality), parsed beside the renderer's other switches: which names they
// are, their values, and which modes they go with.
#pragma once

#include "tools/render/render_options.h"

#include <set>
#include <string>

// Whether `name` is one of these switches (each takes a value).
bool IsCaptureOption(const std::string& name);
// Stores the value of one of them; false with the reason in `error`.
bool ApplyCaptureValue(const std::string& name, const std::string& value, RenderOptions& options,
                       std::string& error);
// Once the mode is known: refuses switches the mode would ignore and
// combinations that cannot be written. `seen` holds every switch given.
bool CheckCaptureOptions(const std::set<std::string>& seen, const RenderOptions& options,
                         std::string& error);
