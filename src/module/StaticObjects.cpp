#include "StaticObjects.h"
#include <cstdlib>

// The linker gathers the compiler's constructor and destructor tables between these: a count
// or -1 first, then the entries, then a null entry.
extern "C" void (*__CTOR_LIST__[])();
extern "C" void (*__DTOR_LIST__[])();

namespace {

using Destructor = void (*)();

// Static objects register their destructors while they are constructed; a fixed table needs
// no heap, and one that overflows fails the load rather than leaking silently.
constexpr int kMaxDestructors = 64;
Destructor g_destructors[kMaxDestructors];
int g_nDestructors = 0;
bool g_bOverflow = false;

void RunDestructorTable() {
    for (int i = 1; __DTOR_LIST__[i]; ++i) __DTOR_LIST__[i]();
}

}  // namespace

extern "C" int atexit(Destructor pfn) {
    if (g_nDestructors == kMaxDestructors) {
        g_bOverflow = true;
        return -1;
    }
    g_destructors[g_nDestructors++] = pfn;
    return 0;
}

bool StaticObjects::Construct() {
    // Entries stand in reverse order of construction, as the compiler's runtime expects.
    int nCount = 0;
    while (__CTOR_LIST__[nCount + 1]) ++nCount;
    for (int i = nCount; i >= 1; --i) __CTOR_LIST__[i]();
    // The destructor table runs before the objects constructed above are destroyed.
    atexit(&RunDestructorTable);
    if (!g_bOverflow) return true;
    Destroy();
    return false;
}

void StaticObjects::Destroy() {
    while (g_nDestructors > 0) g_destructors[--g_nDestructors]();
    g_bOverflow = false;
}
