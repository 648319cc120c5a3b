#include "ImportPatch.h"
#include <cstring>

namespace {

template <typename T> T* AtRva(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

void WriteSlot(void** slot, void* value) {
    DWORD oldProtect = 0;
    VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &oldProtect);
    *slot = value;
    VirtualProtect(slot, sizeof(void*), oldProtect, &oldProtect);
    FlushInstructionCache(GetCurrentProcess(), slot, sizeof(void*));
}

}  // namespace

std::vector<ImportEntry> ReadImports(HMODULE module) {
    std::vector<ImportEntry> entries;
    if (!module) return entries;
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    auto* nt = AtRva<IMAGE_NT_HEADERS>(module, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return entries;
    for (auto* desc = AtRva<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); desc->Name; ++desc) {
        // The lookup table keeps the names after loading; the address table holds addresses by
        // then. A linker may write no lookup table at all.
        auto* iat = AtRva<IMAGE_THUNK_DATA>(module, desc->FirstThunk);
        auto* names = desc->OriginalFirstThunk ? AtRva<IMAGE_THUNK_DATA>(module, desc->OriginalFirstThunk) : nullptr;
        for (int i = 0; iat[i].u1.Function; ++i) {
            ImportEntry entry = { AtRva<char>(module, desc->Name), nullptr, 0, reinterpret_cast<void**>(&iat[i].u1.Function) };
            if (names && IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal))
                entry.ordinal = static_cast<WORD>(IMAGE_ORDINAL(names[i].u1.Ordinal));
            else if (names)
                entry.function = reinterpret_cast<const char*>(AtRva<IMAGE_IMPORT_BY_NAME>(module, names[i].u1.AddressOfData)->Name);
            entries.push_back(entry);
        }
    }
    return entries;
}

void** ImportPatch::FindSlot(HMODULE module, const char* dll, const char* function) {
    // Without a name to compare, an entry is matched by the exporter's own address.
    HMODULE exporter = GetModuleHandleA(dll);
    void* exported = exporter ? reinterpret_cast<void*>(GetProcAddress(exporter, function)) : nullptr;
    for (const ImportEntry& entry : ReadImports(module)) {
        if (_stricmp(entry.dll, dll) != 0) continue;
        if (entry.function ? std::strcmp(entry.function, function) == 0 : exported && *entry.slot == exported)
            return entry.slot;
    }
    return nullptr;
}

ImportPatch::ImportPatch(HMODULE module, const char* dll, const char* function, const void* replacement) {
    m_pSlot = FindSlot(module, dll, function);
    if (!m_pSlot) return;
    m_pOriginal = *m_pSlot;
    WriteSlot(m_pSlot, const_cast<void*>(replacement));
}

void ImportPatch::Unpatch() {
    if (m_pSlot) WriteSlot(m_pSlot, m_pOriginal);
    m_pSlot = nullptr;
}
