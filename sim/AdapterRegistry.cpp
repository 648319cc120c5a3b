#include "AdapterRegistry.h"

bool WriteRegistryString(HKEY root, const std::string& key, const char* name, const std::string& value) {
    HKEY hKey;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG rc = RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

bool RegistryValueExists(HKEY root, const std::string& key, const char* name) {
    HKEY hKey;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    const bool exists = RegQueryValueExA(hKey, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return exists;
}

bool WriteRegistryStringIfMissing(HKEY root, const std::string& key, const char* name, const std::string& value) {
    return RegistryValueExists(root, key, name) || WriteRegistryString(root, key, name, value);
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

void AdapterRegistry::Install() const {
    WriteRegistryString(HKEY_DYN_DATA, NodeKey(), "HardWareKey", hardwareKey);
    WriteRegistryStringIfMissing(HKEY_LOCAL_MACHINE, EnumKey(), "Driver", driver);
    WriteRegistryStringIfMissing(HKEY_LOCAL_MACHINE, ValuesKey(), "EnhPer", "0");
    WriteRegistryStringIfMissing(HKEY_LOCAL_MACHINE, ValuesKey(), "MCLK", "70");
    WriteRegistryStringIfMissing(HKEY_LOCAL_MACHINE, ValuesKey(), "RefreshRate", "60");
}

void AdapterRegistry::RemoveNode() const { DeleteRegistryTree(HKEY_DYN_DATA, NodeKey()); }

void AdapterRegistry::RemoveAll() const {
    RemoveNode();
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, EnumKey());
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, DriverKey());
}
