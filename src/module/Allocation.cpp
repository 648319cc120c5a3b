// The DLL's heap allocation. The module is built without exceptions, so allocation failure is
// reported by a null pointer (new (std::nothrow)); defining the operators here keeps the C++
// runtime's exception machinery out of the DLL.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
// Nothing in the module allocates without std::nothrow; a plain new must not throw either.
void* operator new(std::size_t size) { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size) { return std::malloc(size ? size : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
