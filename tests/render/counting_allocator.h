// A global allocator that counts, on the thread that asks for it, every
// operator new and (outside sanitizer builds, whose runtime owns malloc) every
// malloc, calloc and realloc made while a counting window is open. Each call
// is put down to the OpenGL driver when it comes straight from the driver's
// own libraries (the software rasteriser and its compiler), else to us.
#pragma once

struct AllocationCount {
    long newCalls = 0;       // operator new, from our code or the C++ runtime
    long mallocCalls = 0;    // malloc family, from our code or a library we call
    long driverNewCalls = 0; // operator new straight from the driver
    long driverMallocCalls = 0;
};

// Opens a counting window on the calling thread, closing any before. The GL
// driver must be loaded (a context made) for its calls to be told apart.
void StartCountingAllocations();
AllocationCount StopCountingAllocations();
// False in sanitizer builds: only operator new is counted there.
bool CountsMalloc();
