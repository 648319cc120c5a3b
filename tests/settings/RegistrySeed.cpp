#include "RegistrySeed.h"
#include <gtest/gtest.h>
#include "AdapterRegistry.h"

RegistrySeed::~RegistrySeed() {
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
        EXPECT_EQ(RegDeleteKeyA(it->first, it->second.c_str()), ERROR_SUCCESS) << it->second;
}

void RegistrySeed::Key(HKEY root, const std::string& path) {
    for (size_t end = 0; end != std::string::npos;) {
        end = path.find('\\', end + 1);
        const std::string level = path.substr(0, end);
        HKEY key = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExA(root, level.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
                  ERROR_SUCCESS) << level;
        RegCloseKey(key);
        if (disposition == REG_CREATED_NEW_KEY) m_created.emplace_back(root, level);
    }
}

void RegistrySeed::Text(HKEY root, const std::string& path, const char* name, const std::string& text) {
    Set(root, path, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void RegistrySeed::Bytes(HKEY root, const std::string& path, const char* name, const std::string& bytes) {
    Set(root, path, name, REG_BINARY, bytes);
}

void RegistrySeed::Set(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data) {
    Key(root, path);
    EXPECT_TRUE(WriteRegistryValue(root, path, name, type, data)) << path << " " << name;
}

RegistryValue ReadRegistryValue(HKEY root, const std::string& path, const char* name) {
    RegistryValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    value.keyExists = true;
    char data[256];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS) {
        value.valueExists = true;
        value.data.assign(data, size);
    }
    RegCloseKey(key);
    return value;
}

std::vector<std::string> RegistrySubkeys(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) names.emplace_back(name);
    RegCloseKey(key);
    return names;
}
