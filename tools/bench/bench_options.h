// The command line of zentrafel-bench: a mode, then the switches that mode
// takes. Parsed once at start; nothing here touches GL, audio or files.
#pragma once

#include "platform/egl_devices.h"

#include <string>

enum class BenchMode { Pass, Post, Capture, Clock, Soak };

struct BenchOptions {
    BenchMode mode = BenchMode::Pass;
    int width = 640; // capture: 1280 x 720
    int height = 360;
    GlDeviceChoice device;
    std::string picturesDir;    // post: where its PNG files go; empty for none
    int supersample = 1;        // capture
    int motionBlur = 1;         // capture: subframes per blurred frame
    int frames = 24;            // capture: frames timed; soak: frames drawn (20000)
    int seed = 1;               // soak
    double seconds = 10.0;      // clock: polling time per device
    double decodeMinutes = 0.0; // clock: length of the file timed decoding; 0 for none
};

// False for an unknown mode, a switch the mode does not take, a missing or
// bad value; `options` then holds no meaning.
bool ParseBenchOptions(int argc, const char* const* argv, BenchOptions& options);
const char* BenchUsage();
