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

void** ImportPatch::FindSlot(HMODULE module, const char* dll, const char* function) {
    if (!module) return nullptr;
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    auto* nt = AtRva<IMAGE_NT_HEADERS>(module, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return nullptr;
    // Fallback for an import table without names: compare with the exporter's own address.
    HMODULE exporter = GetModuleHandleA(dll);
    void* exported = exporter ? reinterpret_cast<void*>(GetProcAddress(exporter, function)) : nullptr;

    for (auto* desc = AtRva<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); desc->Name; ++desc) {
        if (_stricmp(AtRva<char>(module, desc->Name), dll) != 0) continue;
        auto* iat = AtRva<IMAGE_THUNK_DATA>(module, desc->FirstThunk);
        auto* names = desc->OriginalFirstThunk ? AtRva<IMAGE_THUNK_DATA>(module, desc->OriginalFirstThunk) : nullptr;
        for (int i = 0; iat[i].u1.Function; ++i) {
            bool match = false;
            if (names && !IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) {
                auto* byName = AtRva<IMAGE_IMPORT_BY_NAME>(module, names[i].u1.AddressOfData);
                match = std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0;
            } else if (exported) {
                match = reinterpret_cast<void*>(iat[i].u1.Function) == exported;
            }
            if (match) return reinterpret_cast<void**>(&iat[i].u1.Function);
        }
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
