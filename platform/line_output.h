// Standard output followed live, in a terminal or through a pipe: every line
// the production prints (the loaders' lines, the pause time) reaches the
// reader the moment it is printed, not when a buffer fills or the process
// ends. One implementation per OS (line_output_posix.cpp,
// line_output_win32.cpp).
#pragma once

#include <cstdio>

// Buffers `stream` so that each line written to it reaches its file at once,
// with no fflush. Call before anything is written to it.
void DeliverLinesAtOnce(std::FILE* stream);
