#include "DllImage.h"

namespace {

template <typename T> const T* AtRva(HMODULE module, DWORD rva) {
    return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + rva);
}

long long FileSizeOf(HMODULE module) {
    char path[MAX_PATH];
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetModuleFileNameA(module, path, sizeof path) || !::GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

DllImage ReadDllImage(HMODULE module) {
    DllImage image;
    image.fileSize = FileSizeOf(module);
    const auto* nt = AtRva<IMAGE_NT_HEADERS>(module, reinterpret_cast<const IMAGE_DOS_HEADER*>(module)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return image;
    for (const auto* desc = AtRva<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); desc->Name; ++desc) {
        ImportedDll dll{ AtRva<char>(module, desc->Name), {} };
        // The lookup table keeps the names after loading; the address table holds addresses by
        // then. A linker that writes no lookup table leaves nothing to read.
        const auto* thunk = desc->OriginalFirstThunk ? AtRva<IMAGE_THUNK_DATA>(module, desc->OriginalFirstThunk) : nullptr;
        for (; thunk && thunk->u1.AddressOfData; ++thunk) {
            if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal))
                dll.functions.push_back("#" + std::to_string(IMAGE_ORDINAL(thunk->u1.Ordinal)));
            else
                dll.functions.push_back(reinterpret_cast<const char*>(AtRva<IMAGE_IMPORT_BY_NAME>(module, thunk->u1.AddressOfData)->Name));
        }
        image.imports.push_back(std::move(dll));
    }
    return image;
}
