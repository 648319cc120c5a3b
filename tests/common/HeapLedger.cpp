#include "HeapLedger.h"
#include <windows.h>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// Each block carries a header that says whether it is live; a second free finds it dead.
constexpr std::uint32_t kLive = 0x4C495645;  // "LIVE"
constexpr std::uint32_t kDead = 0x44454144;  // "DEAD"
struct alignas(16) Header {
    std::uint32_t tag;
    std::size_t size;
};

// Live blocks by size, for the small sizes objects have; larger ones are not counted.
constexpr std::size_t kCountedSizes = 4096;
long g_live[kCountedSizes];
long g_badFrees = 0;
std::size_t g_failSize = 0;

void* Allocate(std::size_t size) noexcept {
    if (g_failSize && size == g_failSize) {
        g_failSize = 0;
        return nullptr;
    }
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + size));
    if (!header) return nullptr;
    header->tag = kLive;
    header->size = size;
    if (size < kCountedSizes) ++g_live[size];
    return header + 1;
}

void Free(void* p) noexcept {
    if (!p) return;
    Header* header = static_cast<Header*>(p) - 1;
    if (header->tag != kLive) {
        ++g_badFrees;
        return;
    }
    header->tag = kDead;
    if (header->size < kCountedSizes) --g_live[header->size];
    std::free(header);
}

}  // namespace

long HeapLedger::LiveBlocks(std::size_t size) { return size < kCountedSizes ? g_live[size] : 0; }
long HeapLedger::BadFrees() { return g_badFrees; }
void HeapLedger::FailNextAllocation(std::size_t size) { g_failSize = size; }

HeapLedger::ProcessHeapUse HeapLedger::ProcessHeap() {
    ProcessHeapUse use;
    HANDLE heap = ::GetProcessHeap();
    ::HeapLock(heap);
    PROCESS_HEAP_ENTRY entry = {};
    while (::HeapWalk(heap, &entry)) {
        if (!(entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)) continue;
        ++use.blocks;
        use.bytes += entry.cbData;
    }
    ::HeapUnlock(heap);
    return use;
}

void* operator new(std::size_t size) {
    void* p = Allocate(size);
    if (!p) throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
