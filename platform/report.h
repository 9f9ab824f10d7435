// Our own diagnostics: one line on stderr, "<program>: <message>", where
// <program> is the running executable's name (zentrafel, zentrafel-render,
// ...). The lines the production's loaders print on stdout (texture and
// shader names, logs, the audio library's error texts, the pause time) are
// not ours to reword and keep their own printf.
#pragma once

#include <cstdio>

// printf-style; the line end is added.
void Report(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The same onto any stream (stdout for a tool's own results, or a test's
// capture).
void ReportTo(std::FILE* stream, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// The running executable's file name without folder or extension.
const char* ProgramName();
