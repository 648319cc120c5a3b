// The forms of new the product has: only those that answer a null pointer when the heap is
// exhausted. The module is built without exceptions, and the compiler takes a plain new to
// succeed or throw: it would drop the caller's null check and construct through null. Every
// product unit sees this, so a plain new is a build error there; use new (std::nothrow).
#pragma once
#include <new>

void* operator new(std::size_t size)
    __attribute__((unavailable("a plain new cannot report a failure here: use new (std::nothrow) and check it")));
void* operator new[](std::size_t size)
    __attribute__((unavailable("a plain new cannot report a failure here: use new (std::nothrow) and check it")));
