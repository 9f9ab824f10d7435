#include "tests/render/counting_allocator.h"

#include <link.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
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

struct AddressRange {
    std::uintptr_t begin;
    std::uintptr_t end;
};

// Plain thread-locals of the executable live in static TLS, which needs no
// allocation to reach, so the hooks below cannot recurse through them.
thread_local bool counting = false;
thread_local AllocationCount counts;

// Code segments of the driver's libraries, found when counting starts.
constexpr int kMaxRanges = 64;
AddressRange driverCode[kMaxRanges];
int driverRanges = 0;

bool IsDriverLibrary(const char* path) {
    static const char* const names[] = {"/dri/",    "libLLVM",     "libgallium",
                                        "libglapi", "libGLX_mesa", "libEGL_mesa"};
    for (const char* name : names)
        if (std::strstr(path, name))
            return true;
    return false;
}

int AddDriverCode(dl_phdr_info* info, size_t, void*) {
    if (!info->dlpi_name || !IsDriverLibrary(info->dlpi_name))
        return 0;
    for (int i = 0; i < info->dlpi_phnum && driverRanges < kMaxRanges; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X)) {
            std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
            driverCode[driverRanges++] = {begin, begin + segment.p_memsz};
        }
    }
    return 0;
}

bool FromDriver(const void* caller) {
    auto address = reinterpret_cast<std::uintptr_t>(caller);
    for (int i = 0; i < driverRanges; ++i)
        if (address >= driverCode[i].begin && address < driverCode[i].end)
            return true;
    return false;
}

void CountNew(const void* caller) {
    if (counting)
        ++(FromDriver(caller) ? counts.driverNewCalls : counts.newCalls);
}

[[maybe_unused]] void CountMalloc(const void* caller) {
    if (counting)
        ++(FromDriver(caller) ? counts.driverMallocCalls : counts.mallocCalls);
}

void* AllocateOrNull(std::size_t size) {
    // Straight to the heap, so a new is not counted a second time as a malloc.
#if ZF_SANITIZED
    return std::malloc(size ? size : 1);
#else
    return __libc_malloc(size ? size : 1);
#endif
}

void* Allocate(std::size_t size) {
    void* p = AllocateOrNull(size);
    if (!p)
        throw std::bad_alloc();
    return p;
}

} // namespace

void StartCountingAllocations() {
    driverRanges = 0;
    dl_iterate_phdr(AddDriverCode, nullptr);
    counts = AllocationCount();
    counting = true;
}

AllocationCount StopCountingAllocations() {
    counting = false;
    return counts;
}

bool CountsMalloc() {
    return !ZF_SANITIZED;
}

void* operator new(std::size_t size) {
    CountNew(__builtin_return_address(0));
    return Allocate(size);
}

void* operator new[](std::size_t size) {
    CountNew(__builtin_return_address(0));
    return Allocate(size);
}

// The nothrow forms too: a library that allocates with them (the driver's
// compiler does) free with the plain delete below.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    CountNew(__builtin_return_address(0));
    return AllocateOrNull(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    CountNew(__builtin_return_address(0));
    return AllocateOrNull(size);
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

#if !ZF_SANITIZED
extern "C" void* malloc(std::size_t size) {
    CountMalloc(__builtin_return_address(0));
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
    CountMalloc(__builtin_return_address(0));
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* p, std::size_t size) {
    CountMalloc(__builtin_return_address(0));
    return __libc_realloc(p, size);
}
#endif
