#include "platform/report.h"

// A page has no executable name to go by; the production's own name is the
// one its diagnostics carry everywhere else.
const char* ProgramName() {
    return "zentrafel";
}
