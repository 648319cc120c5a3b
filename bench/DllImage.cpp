#include "DllImage.h"
#include "ImportPatch.h"

namespace {

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
    for (const ImportEntry& entry : ReadImports(module)) {
        if (image.imports.empty() || image.imports.back().name != entry.dll) image.imports.push_back({ entry.dll, {} });
        // An import table that keeps no names leaves nothing to list.
        if (entry.function) image.imports.back().functions.push_back(entry.function);
        else if (entry.ordinal) image.imports.back().functions.push_back("#" + std::to_string(entry.ordinal));
    }
    return image;
}
