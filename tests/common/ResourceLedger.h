// Counts the registry keys, device contexts, GDI objects and process-heap blocks one module
// takes and gives back, by hooking that module's imports. A test arms a ledger around what it
// drives and expects every count balanced afterwards. One ledger at a time. It keeps Windows 9x's
// rule that Wine does not: an object still selected into a device context cannot be deleted, so
// it stays live.
#pragma once
#include <windows.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>
#include "ImportPatch.h"

class ResourceLedger {
public:
    explicit ResourceLedger(HMODULE module = ::GetModuleHandleA(nullptr));
    ResourceLedger(const ResourceLedger&) = delete;
    ResourceLedger& operator=(const ResourceLedger&) = delete;

    // Registry keys opened and not closed.
    size_t OpenKeys() const { return m_keys.size(); }
    // Device contexts got (GetDC, CreateCompatibleDC) and not given back.
    size_t HeldDCs() const { return m_dcs.size(); }
    // GDI objects created (pens, bitmaps, brushes) and not deleted, those whose deletion was
    // refused because they were still selected into a device context among them.
    size_t LiveObjects() const { return m_objects.size(); }
    // Blocks of the process heap allocated and not freed. Freeing a block allocated before the
    // ledger was armed is not a fault, so such frees are not counted anywhere.
    size_t LiveHeapBlocks() const { return m_blocks.size(); }
    // Totals, for tests that look at what was used.
    size_t KeysOpened() const { return m_keysOpened; }
    size_t DCsTaken() const { return m_dcsTaken; }
    size_t ObjectsCreated() const { return m_objectsCreated; }
    size_t HeapBlocksAllocated() const { return m_blocksAllocated; }
    // Nothing held, nothing given back twice or that this ledger never saw handed out; a text
    // saying what is not balanced otherwise. Heap blocks are not part of it: a live page holds
    // its own.
    bool Balanced() const { return OpenKeys() == 0 && HeldDCs() == 0 && LiveObjects() == 0 && m_stray == 0; }
    std::string Report() const;

private:
    template <typename Fn, typename Handler> void Hook(const char* dll, const char* function, Handler handler);
    // A handle given back: one not held is a stray release.
    template <typename H> void Gave(std::set<H>& held, H handle);

    std::set<HKEY> m_keys;
    std::set<HDC> m_dcs;
    std::set<HGDIOBJ> m_objects;
    std::set<void*> m_blocks;
    std::map<HDC, std::map<DWORD, HGDIOBJ>> m_selected;  // by object type, until the DC goes
    size_t m_refused = 0;
    size_t m_stray = 0, m_keysOpened = 0, m_dcsTaken = 0, m_objectsCreated = 0, m_blocksAllocated = 0;
    HMODULE m_module;
    std::vector<std::unique_ptr<ImportPatch>> m_hooks;
};
