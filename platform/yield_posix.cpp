#include "platform/yield.h"

#include <sched.h>

void YieldTimeSlice() {
    sched_yield();
}
