// Seeds registry keys and values for one test and removes them again: every key the seed had
// to create is deleted, deepest first, when the seed goes out of scope.
#pragma once
#include <windows.h>
#include <string>
#include <utility>
#include <vector>

class RegistrySeed {
public:
    RegistrySeed() = default;
    ~RegistrySeed();
    RegistrySeed(const RegistrySeed&) = delete;
    RegistrySeed& operator=(const RegistrySeed&) = delete;

    // Makes root\path exist, creating each missing level.
    void Key(HKEY root, const std::string& path);
    // Stores text as REG_SZ (the terminator counted) in root\path, creating the key.
    void Text(HKEY root, const std::string& path, const char* name, const std::string& text);
    // Stores raw bytes as REG_BINARY: the way to store text without a terminator.
    void Bytes(HKEY root, const std::string& path, const char* name, const std::string& bytes);

private:
    void Set(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data);

    std::vector<std::pair<HKEY, std::string>> m_created;
};

// What the registry holds: whether the key and value exist, the value's type and data.
struct RegistryValue {
    bool keyExists = false;
    bool valueExists = false;
    DWORD type = 0;
    std::string data;
};
RegistryValue ReadRegistryValue(HKEY root, const std::string& path, const char* name);

// The subkeys of root\path in the order RegEnumKeyA lists them.
std::vector<std::string> RegistrySubkeys(HKEY root, const std::string& path);
