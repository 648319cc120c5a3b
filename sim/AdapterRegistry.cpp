#include "AdapterRegistry.h"

bool WriteRegistryValue(HKEY root, const std::string& key, const char* name, DWORD type, const std::string& data) {
    HKEY hKey;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG rc = name ? RegSetValueExA(hKey, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                          static_cast<DWORD>(data.size()))
                         : ERROR_SUCCESS;
    RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

bool WriteRegistryString(HKEY root, const std::string& key, const char* name, const std::string& value) {
    return WriteRegistryValue(root, key, name, REG_SZ, std::string(value.c_str(), value.size() + 1));
}

RegistryValue ReadRegistryValue(HKEY root, const std::string& key, const char* name) {
    RegistryValue value;
    HKEY hKey;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return value;
    value.keyExists = true;
    DWORD size = 0;
    if (RegQueryValueExA(hKey, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        value.valueExists = RegQueryValueExA(hKey, name, nullptr, &value.type, reinterpret_cast<BYTE*>(&value.data[0]),
                                             &size) == ERROR_SUCCESS;
        value.data.resize(value.valueExists ? size : 0);
    }
    RegCloseKey(hKey);
    return value;
}

std::string ReadRegistryString(HKEY root, const std::string& key, const char* name, const std::string& fallback) {
    const RegistryValue value = ReadRegistryValue(root, key, name);
    return value.valueExists ? std::string(value.data.c_str()) : fallback;
}

std::vector<std::string> RegistrySubkeys(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    HKEY hKey;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(hKey, i, name, sizeof name) == ERROR_SUCCESS; ++i) names.emplace_back(name);
    RegCloseKey(hKey);
    return names;
}

void DeleteRegistryTree(HKEY root, const std::string& key) {
    HKEY hKey;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
        char name[256];
        // Always the first subkey: each pass deletes it.
        while (RegEnumKeyA(hKey, 0, name, sizeof name) == ERROR_SUCCESS) DeleteRegistryTree(hKey, name);
        RegCloseKey(hKey);
    }
    RegDeleteKeyA(root, key.c_str());
}

void AdapterRegistry::Seed(const std::optional<Values>& values, bool keepStored) const {
    const auto write = [keepStored](const std::string& key, const char* name, const std::string& text) {
        if (!keepStored || !ReadRegistryValue(HKEY_LOCAL_MACHINE, key, name).valueExists)
            WriteRegistryString(HKEY_LOCAL_MACHINE, key, name, text);
    };
    WriteRegistryString(HKEY_DYN_DATA, NodeKey(), "HardWareKey", hardwareKey);
    write(EnumKey(), "Driver", driver);
    if (!values) return;
    WriteRegistryValue(HKEY_LOCAL_MACHINE, ValuesKey(), nullptr, REG_NONE, "");
    for (const auto& [name, text] : *values) write(ValuesKey(), name.c_str(), text);
}

void AdapterRegistry::RemoveAll() const {
    DeleteRegistryTree(HKEY_DYN_DATA, "Config Manager\\Enum");
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, EnumKey());
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, DriverKey());
}
