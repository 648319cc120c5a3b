// Tracks the test program's C++ heap: how many blocks are live, blocks freed twice, and
// allocations made to fail on purpose. The product's code is compiled into the test programs,
// so its new and delete come through here. Also tells how much of the process heap, which
// the DLL allocates from, is in use.
#pragma once
#include <cstddef>

namespace HeapLedger {
// Blocks of exactly `size` bytes allocated and not yet freed (an object of one class).
long LiveBlocks(std::size_t size);
// Frees of a block that was already freed, or was never allocated here.
long BadFrees();
// Makes the next allocation of exactly `size` bytes fail (nothrow new returns nullptr).
void FailNextAllocation(std::size_t size);

struct ProcessHeapUse {
    std::size_t blocks = 0;
    std::size_t bytes = 0;
};
// The blocks of the process heap in use now, and their bytes.
ProcessHeapUse ProcessHeap();
}  // namespace HeapLedger
