// What the shipped DLL is on disk: its size, and the functions it imports from each DLL, read
// from the import directory of the loaded image.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct ImportedDll {
    std::string name;
    std::vector<std::string> functions;  // by name; "#n" for an import by ordinal
};

struct DllImage {
    long long fileSize = 0;
    std::vector<ImportedDll> imports;
};

DllImage ReadDllImage(HMODULE module);
