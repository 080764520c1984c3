#include "tools/AllocationCounter.h"

#include <cstddef>

#if defined(_WIN32)
#include <windows.h>
#else
#include <malloc.h>
#endif

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELDA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VELDA_SANITIZED 1
#endif
#endif

// A sanitizer owns the allocation functions; it tells the bytes in use itself.
#ifdef VELDA_SANITIZED
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__linux__)
#define VELDA_COUNT_ALLOCATIONS 1
#endif

namespace {
// Plain thread-locals of the executable: reading them allocates nothing.
thread_local bool counting = false;
thread_local uint64_t allocations = 0;

inline void note()
{
    if (counting) ++allocations;
}
}  // namespace

#ifdef VELDA_COUNT_ALLOCATIONS
// glibc's own entry points stay reachable under these names; free needs no wrapper.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);

__attribute__((visibility("default"))) void* malloc(size_t size)
{
    note();
    return __libc_malloc(size);
}
__attribute__((visibility("default"))) void* calloc(size_t count, size_t size)
{
    note();
    return __libc_calloc(count, size);
}
__attribute__((visibility("default"))) void* realloc(void* block, size_t size)
{
    note();
    return __libc_realloc(block, size);
}
__attribute__((visibility("default"))) void* memalign(size_t alignment, size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}
__attribute__((visibility("default"))) void* aligned_alloc(size_t alignment, size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}
__attribute__((visibility("default"))) int posix_memalign(void** result, size_t alignment, size_t size)
{
    note();
    if (alignment < sizeof(void*) || (alignment & (alignment - 1))) return 22;  // EINVAL
    void* block = __libc_memalign(alignment, size);
    if (!block) return 12;  // ENOMEM
    *result = block;
    return 0;
}
}
#endif

namespace velda::tool {

bool allocationCountingAvailable()
{
#ifdef VELDA_COUNT_ALLOCATIONS
    return true;
#else
    return false;
#endif
}

AllocationScope::AllocationScope() : start(allocations) { counting = true; }
AllocationScope::~AllocationScope() { counting = false; }
uint64_t AllocationScope::count() const { return allocations - start; }

void keepFreedMemory()
{
#if defined(__GLIBC__) && !defined(VELDA_SANITIZED)
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
}

uint64_t heapBytesInUse()
{
#if defined(VELDA_SANITIZED)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(_WIN32)
    // Committed private pages: every heap lives in them, and the walk needs no extra library.
    uint64_t bytes = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
        const char* next = (const char*)region.BaseAddress + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return bytes;
#elif defined(__GLIBC__)
    struct mallinfo2 info = mallinfo2();
    return (uint64_t)info.uordblks + (uint64_t)info.hblkhd;
#else
    return 0;
#endif
}

}  // namespace velda::tool
