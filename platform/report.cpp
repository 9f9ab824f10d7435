#include "platform/report.h"

#include <cstdarg>

namespace {

void Write(std::FILE* stream, const char* format, std::va_list arguments) {
    std::fprintf(stream, "%s: ", ProgramName());
    std::vfprintf(stream, format, arguments);
    std::fputc('\n', stream);
}

} // namespace

void Report(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    Write(stderr, format, arguments);
    va_end(arguments);
}

void ReportTo(std::FILE* stream, const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    Write(stream, format, arguments);
    va_end(arguments);
}
