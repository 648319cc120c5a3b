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

bool RegistryValueExists(HKEY root, const std::string& key, const char* name) {
    HKEY hKey;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    const bool exists = RegQueryValueExA(hKey, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return exists;
}

std::string ReadRegistryString(HKEY root, const std::string& key, const char* name, const std::string& fallback) {
    HKEY hKey;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return fallback;
    char data[512];
    DWORD size = sizeof data - 1;
    const LONG rc = RegQueryValueExA(hKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(hKey);
    if (rc != ERROR_SUCCESS) return fallback;
    data[size] = '\0';
    return std::string(data);
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
        if (!keepStored || !RegistryValueExists(HKEY_LOCAL_MACHINE, key, name)) WriteRegistryString(HKEY_LOCAL_MACHINE, key, name, text);
    };
    WriteRegistryString(HKEY_DYN_DATA, NodeKey(), "HardWareKey", hardwareKey);
    write(EnumKey(), "Driver", driver);
    if (!values) return;
    WriteRegistryValue(HKEY_LOCAL_MACHINE, ValuesKey(), nullptr, REG_NONE, "");
    for (const auto& [name, text] : *values) write(ValuesKey(), name.c_str(), text);
}

void AdapterRegistry::RemoveNode() const { DeleteRegistryTree(HKEY_DYN_DATA, NodeKey()); }

void AdapterRegistry::RemoveAll() const {
    RemoveNode();
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, EnumKey());
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, DriverKey());
}
