#include "tests/render/counting_allocator.h"

#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ZF_SANITIZED 1
#else
#define ZF_SANITIZED 0
#endif

#if !ZF_SANITIZED
// glibc's own entry points, which the wrappers at the end hand every call to.
extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
#endif

namespace {

// Plain thread-locals of the executable live in static TLS, which needs no
// allocation to reach, so the hooks below cannot recurse through them.
thread_local bool counting = false;
thread_local AllocationCount counts;

void* CountedNew(std::size_t size) {
    if (counting)
        ++counts.newCalls;
    // Straight to the heap, so a new is not counted a second time as a malloc.
#if ZF_SANITIZED
    void* p = std::malloc(size ? size : 1);
#else
    void* p = __libc_malloc(size ? size : 1);
#endif
    if (!p)
        throw std::bad_alloc();
    return p;
}

} // namespace

void StartCountingAllocations() {
    counts = AllocationCount();
    counting = true;
}

AllocationCount StopCountingAllocations() {
    counting = false;
    return counts;
}

bool CountsMalloc() { return !ZF_SANITIZED; }

void* operator new(std::size_t size) { return CountedNew(size); }
void* operator new[](std::size_t size) { return CountedNew(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

#if !ZF_SANITIZED
extern "C" void* malloc(std::size_t size) {
    if (counting)
        ++counts.mallocCalls;
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
    if (counting)
        ++counts.mallocCalls;
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* p, std::size_t size) {
    if (counting)
        ++counts.mallocCalls;
    return __libc_realloc(p, size);
}
#endif
