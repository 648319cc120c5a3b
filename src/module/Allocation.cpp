// The DLL's heap: the process heap, through the system's own functions. A failed allocation
// answers a null pointer, from malloc and from the nothrow forms of new, the only forms there
// are (Allocation.h); the callers check for it.
#include "Allocation.h"
#include <windows.h>
#include <cstdlib>

// The tag that selects the forms of new that answer null; the C++ runtime would define it.
const std::nothrow_t std::nothrow{};

namespace {
void* Allocate(std::size_t size) noexcept { return ::HeapAlloc(::GetProcessHeap(), 0, size ? size : 1); }
void Free(void* p) noexcept {
    if (p) ::HeapFree(::GetProcessHeap(), 0, p);
}
}  // namespace

extern "C" void* malloc(std::size_t size) { return Allocate(size); }
extern "C" void free(void* p) { Free(p); }
extern "C" void* realloc(void* p, std::size_t size) {
    if (!p) return Allocate(size);
    if (!size) {
        Free(p);
        return nullptr;
    }
    return ::HeapReAlloc(::GetProcessHeap(), 0, p, size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
