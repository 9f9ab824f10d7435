// A global allocator that counts, on the thread that asks for it, every
// operator new and (outside sanitizer builds, whose runtime owns malloc) every
// malloc, calloc and realloc: what the process asks of the heap while a
// counting window is open.
#pragma once

struct AllocationCount {
    long newCalls = 0;
    long mallocCalls = 0;
};

// Opens a counting window on the calling thread, closing any before.
void StartCountingAllocations();
AllocationCount StopCountingAllocations();
// False in sanitizer builds: only operator new is counted there.
bool CountsMalloc();
