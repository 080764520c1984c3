// Counts heap allocations made on the calling thread while a scope is open, where the tool can
// see them: on Linux it replaces the C allocation functions for the whole process, so a plug-in's
// malloc and operator new pass through it. Elsewhere (and in sanitizer builds) it sees nothing.
#pragma once
#include <cstdint>

namespace velda::tool {

bool allocationCountingAvailable();

class AllocationScope {
public:
    AllocationScope();   // starts counting on this thread
    ~AllocationScope();  // stops
    AllocationScope(const AllocationScope&) = delete;
    AllocationScope& operator=(const AllocationScope&) = delete;
    uint64_t count() const;  // allocations on this thread since the scope opened
private:
    uint64_t start;
};

// Keeps freed memory inside the process (Linux): repeated large allocations then reuse pages
// instead of faulting fresh ones in. The bytes in use are counted the same way.
void keepFreedMemory();

// Bytes the process's heap holds now (Linux), or its committed private bytes (Windows); 0 when unknown.
uint64_t heapBytesInUse();

}  // namespace velda::tool
