// The settings store against Wine's registry: each test starts and ends on a machine without
// the adapter and seeds what it needs, under the names AdapterRegistry gives the adapter's
// entries (the device list holds nothing else).
#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "AdapterRegistry.h"
#include "settings/AdapterSettings.h"

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { adapter.RemoveAll(); }
    void TearDown() override {
        adapter.RemoveAll();
        for (const std::string& driver : driverKeys) DeleteRegistryTree(HKEY_LOCAL_MACHINE, AdapterRegistry::DriverKeyOf(driver));
    }

    // Stores the bytes as they are (REG_BINARY: text without a terminator), creating the key.
    static void SeedBytes(HKEY root, const std::string& key, const char* name, const std::string& bytes) {
        EXPECT_TRUE(WriteRegistryValue(root, key, name, REG_BINARY, bytes)) << key;
    }
    static void SeedKey(HKEY root, const std::string& key) { EXPECT_TRUE(WriteRegistryValue(root, key, nullptr, REG_NONE, "")) << key; }
    // Lists a device node `name` whose "HardWareKey" is hardwareKey.
    static void SeedDevice(const std::string& name, const std::string& hardwareKey) {
        EXPECT_TRUE(WriteRegistryString(HKEY_DYN_DATA, AdapterRegistry::NodeKeyOf(name), "HardWareKey", hardwareKey)) << name;
    }
    // The adapter's "Enum" key with its "Driver" value.
    void SeedDriver(const std::string& driver) const {
        EXPECT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, adapter.EnumKey(), "Driver", driver));
    }
    // A complete adapter: its device node, "Driver" and the driver's "DEFAULT" key, with no values.
    void SeedAdapter() const { adapter.Seed(AdapterRegistry::Values{}); }
    // A settings value as REG_SZ text under the adapter's "DEFAULT" key.
    void SeedValue(const char* name, const std::string& text) const {
        EXPECT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, adapter.ValuesKey(), name, text)) << name;
    }
    RegistryValue Stored(const char* name) const { return ReadRegistryValue(HKEY_LOCAL_MACHINE, adapter.ValuesKey(), name); }

    // Driver keys that each hold "EnhPer" as their place in the list, from 1, so that a read
    // tells which one was used; removed at the end.
    void SeedDriverKeys(const std::vector<std::string>& drivers) {
        driverKeys = drivers;
        for (size_t i = 0; i < drivers.size(); ++i) WriteEnhPer(drivers[i], std::to_string(i + 1));
    }
    // Which of those keys the settings values are read from and written to, "" for none: the
    // "EnhPer" read names one, and the one written must be that one alone.
    std::string UsedDriverKey(CAdapterSettings& settings) {
        int nEnhPer = 0;
        std::string read;
        if (settings.GetEnhPer(&nEnhPer))
            read = nEnhPer >= 1 && nEnhPer <= int(driverKeys.size()) ? driverKeys[nEnhPer - 1] : "another key";
        settings.SetEnhPer(99);
        std::string written;
        for (size_t i = 0; i < driverKeys.size(); ++i) {
            if (ReadRegistryString(HKEY_LOCAL_MACHINE, AdapterRegistry::ValuesKeyOf(driverKeys[i]), "EnhPer") != "99") continue;
            EXPECT_EQ(written, "") << "also written under " << driverKeys[i];
            written = driverKeys[i];
            WriteEnhPer(written, std::to_string(i + 1));
        }
        EXPECT_EQ(written, read) << "written to one driver key, read from another";
        return read;
    }

    const AdapterRegistry adapter;

private:
    static void WriteEnhPer(const std::string& driver, const std::string& text) {
        EXPECT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, AdapterRegistry::ValuesKeyOf(driver), "EnhPer", text)) << driver;
    }
    std::vector<std::string> driverKeys;
};
