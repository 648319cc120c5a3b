// The settings store against Wine's registry: each test starts and ends on a machine without
// the adapter and seeds what it needs, under the names AdapterRegistry gives the adapter's
// entries (the device list holds nothing else).
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "AdapterRegistry.h"

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { adapter.RemoveAll(); }
    void TearDown() override { adapter.RemoveAll(); }

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

    const AdapterRegistry adapter;
};
