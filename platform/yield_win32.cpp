#include "platform/yield.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Sleep(0) gives the slice to any ready thread of the same priority.
void YieldTimeSlice() {
    Sleep(0);
}
