// The registry entries a Windows 95 machine keeps for the adapter: the configuration manager's
// device node under HKEY_DYN_DATA (dynamic, rebuilt at every start), the Enum entry that names
// the driver key, and the driver key's DEFAULT values.
#pragma once
#include <windows.h>
#include <string>

struct AdapterRegistry {
    std::string nodeName = "C29A3B40";  // subkey of "Config Manager\Enum"
    std::string hardwareKey = "PCI\\VEN_5333&DEV_5631\\BUS_01&DEV_00&FUNC_00";
    std::string driver = "DISPLAY\\0000";

    // Writes the device node, and makes sure the Enum entry and the DEFAULT values exist;
    // values already there are kept.
    void Install() const;
    // Removes the device node (as at a restart without the adapter).
    void RemoveNode() const;
    // Removes the Enum entry and the driver key as well.
    void RemoveAll() const;

    std::string NodeKey() const { return "Config Manager\\Enum\\" + nodeName; }
    std::string EnumKey() const { return "Enum\\" + hardwareKey; }
    std::string DriverKey() const { return "System\\CurrentControlSet\\Services\\Class\\" + driver; }
    std::string ValuesKey() const { return DriverKey() + "\\DEFAULT"; }
};

// Small registry helpers for the simulation and the tests.
bool WriteRegistryString(HKEY root, const std::string& key, const char* name, const std::string& value);
bool WriteRegistryStringIfMissing(HKEY root, const std::string& key, const char* name, const std::string& value);
// The value's text, or `fallback` when it cannot be read.
std::string ReadRegistryString(HKEY root, const std::string& key, const char* name, const std::string& fallback = "");
bool RegistryValueExists(HKEY root, const std::string& key, const char* name);
void DeleteRegistryTree(HKEY root, const std::string& key);
