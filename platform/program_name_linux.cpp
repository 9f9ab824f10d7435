#include "platform/report.h"

#include <errno.h>

// glibc keeps the name the program was started under, without its folder.
const char* ProgramName() {
    return program_invocation_short_name;
}
