// The registry entries a Windows 95 machine keeps for the adapter: the configuration manager's
// device node under HKEY_DYN_DATA (dynamic, rebuilt at every start), the Enum entry that names
// the driver key, and the driver key's DEFAULT values. The one way the simulation and the tests
// put the adapter into the registry and take it out again, under these names.
#pragma once
#include <windows.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct AdapterRegistry {
    // Values under DEFAULT by name; a name not listed has no value.
    using Values = std::map<std::string, std::string>;
    static Values DefaultValues() { return { { "EnhPer", "0" }, { "MCLK", "70" }, { "RefreshRate", "60" } }; }

    std::string nodeName = "C29A3B40";  // subkey of "Config Manager\Enum"
    std::string hardwareKey = "PCI\\VEN_5333&DEV_5631\\BUS_01&DEV_00&FUNC_00";
    std::string driver = "DISPLAY\\0000";

    // Writes the device node and the Enum entry and, unless values is empty, the DEFAULT key with
    // those values as text. keepStored leaves an Enum entry or a value that is already there.
    void Seed(const std::optional<Values>& values = DefaultValues(), bool keepStored = false) const;
    // The adapter as a machine keeps it: the settings stored earlier stay.
    void Install() const { Seed(DefaultValues(), true); }
    // A machine without the adapter: no device node at all, no Enum entry, no driver key.
    void RemoveAll() const;

    static std::string NodeKeyOf(const std::string& name) { return "Config Manager\\Enum\\" + name; }
    static std::string EnumKeyOf(const std::string& hardware) { return "Enum\\" + hardware; }
    static std::string DriverKeyOf(const std::string& drv) { return "System\\CurrentControlSet\\Services\\Class\\" + drv; }
    static std::string ValuesKeyOf(const std::string& drv) { return DriverKeyOf(drv) + "\\DEFAULT"; }
    std::string NodeKey() const { return NodeKeyOf(nodeName); }
    std::string EnumKey() const { return EnumKeyOf(hardwareKey); }
    std::string DriverKey() const { return DriverKeyOf(driver); }
    std::string ValuesKey() const { return ValuesKeyOf(driver); }
};

// Small registry helpers for the simulation and the tests.
// Stores the bytes as they are, with no terminator added, under root\key, creating the key; with
// no name only the key is made.
bool WriteRegistryValue(HKEY root, const std::string& key, const char* name, DWORD type, const std::string& data);
// Stores text as REG_SZ, its terminator included.
bool WriteRegistryString(HKEY root, const std::string& key, const char* name, const std::string& value);

// What the registry holds: whether the key and value exist, the value's type and data.
struct RegistryValue {
    bool keyExists = false;
    bool valueExists = false;
    DWORD type = 0;
    std::string data;  // the bytes as stored
};
RegistryValue ReadRegistryValue(HKEY root, const std::string& key, const char* name);
// The value's text (up to its terminator), or `fallback` when it cannot be read.
std::string ReadRegistryString(HKEY root, const std::string& key, const char* name, const std::string& fallback = "");
// The subkeys of root\key in the order RegEnumKeyA lists them.
std::vector<std::string> RegistrySubkeys(HKEY root, const std::string& key);
void DeleteRegistryTree(HKEY root, const std::string& key);
