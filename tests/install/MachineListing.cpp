#include "MachineListing.h"
#include <windows.h>
#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// One registry key and its subkeys, one line per key and per value; the key is closed on
// every path.
void ListKey(HKEY root, const std::string& path, MachineListing& lines) {
    HKEY key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        lines.insert("HKCR\\" + path + " (unreadable)");
        return;
    }
    lines.insert("HKCR\\" + path);
    DWORD largest = 0;
    ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &largest, nullptr, nullptr);
    std::vector<BYTE> data(largest + 1);
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, type = 0, size = static_cast<DWORD>(data.size());
        const LONG result = ::RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS) size = 0;
        std::string line = "HKCR\\" + path + " [" + name + "] " + std::to_string(type) + ":";
        line.append(reinterpret_cast<const char*>(data.data()), size);
        lines.insert(line);
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        subkeys.emplace_back(name, nameLength);
    }
    ::RegCloseKey(key);
    for (const std::string& subkey : subkeys) ListKey(root, path.empty() ? subkey : path + "\\" + subkey, lines);
}

void ListFolder(const std::string& folder, MachineListing& lines) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        // The folder's own entries change their times whenever a file comes or goes.
        if (!lstrcmpA(found.cFileName, ".") || !lstrcmpA(found.cFileName, "..")) continue;
        const ULONGLONG size = (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        const ULONGLONG written = (static_cast<ULONGLONG>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                                  found.ftLastWriteTime.dwLowDateTime;
        lines.insert(folder + "\\" + found.cFileName + " " + std::to_string(size) + " " + std::to_string(written));
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

}  // namespace

MachineListing ListMachine() {
    MachineListing lines;
    ListKey(HKEY_CLASSES_ROOT, "", lines);
    char folder[MAX_PATH];
    ::GetSystemDirectoryA(folder, MAX_PATH);
    ListFolder(folder, lines);
    ::GetWindowsDirectoryA(folder, MAX_PATH);
    ListFolder(std::string(folder) + "\\INF", lines);
    return lines;
}

std::string ListingChanges(const MachineListing& before, const MachineListing& after) {
    std::vector<std::string> gone, added;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    std::string text;
    for (const std::string& line : gone) text += "- " + line + "\n";
    for (const std::string& line : added) text += "+ " + line + "\n";
    return text;
}
