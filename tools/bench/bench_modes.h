// The modes of zentrafel-bench, one file each; each returns the program's
// exit status (0 done, 1 failed or a goal missed, 2 a setup failure where
// the mode says so).
#pragma once

#include "tools/bench/bench_options.h"

class OfflineProduction;

int RunPass(const BenchOptions& options);
int RunPost(const BenchOptions& options);
int RunCapture(const BenchOptions& options);
int RunClock(const BenchOptions& options);
int RunSoak(const BenchOptions& options);

// Starts the production offline at the options' size and device (N times
// larger each way with `supersample`), as zentrafel-render does, and prints
// the heading every GL mode's figures sit under: the mode, the size, the GL
// renderer and the device. False when the start fails (it has said why).
bool StartBenchProduction(OfflineProduction& production, const BenchOptions& options,
                          const char* mode, int supersample = 1);
