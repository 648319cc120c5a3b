// Fixture for the tests that need the adapter in the registry: the configuration manager's
// device list, the device node's "Enum" key with its "Driver" value and the driver's "DEFAULT"
// key. Everything seeded is removed after each test.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "RegistrySeed.h"

class AdapterRegistryTest : public testing::Test {
protected:
    static constexpr char kDeviceList[] = "Config Manager\\Enum";   // under HKEY_DYN_DATA
    // Device nodes of these tests are named with this prefix.
    static constexpr char kNodePrefix[] = "TEST";
    // The adapter's node, with its bus location.
    static constexpr char kHardwareKey[] = "PCI\\VEN_5333&DEV_5631\\BUS_00&DEV_0C&FUNC_00";
    // Driver keys of these tests live under this class.
    static constexpr char kDriverClass[] = "TESTDRV";
    static constexpr char kDriver[] = "TESTDRV\\0001";

    // Clears what an interrupted run may have left, then requires the device list to hold
    // nothing else: the search must see only this test's nodes.
    void SetUp() override;

    // The device node's key: kNodePrefix followed by `name`.
    static std::string NodeKey(const std::string& name);
    // Lists a device node whose "HardWareKey" is hardwareKey.
    void SeedDevice(const std::string& name, const std::string& hardwareKey);
    // The node's "Enum" key with its "Driver" value.
    void SeedDriver(const std::string& hardwareKey, const std::string& driver);
    // A complete adapter: device node, "Driver" and the driver's "DEFAULT" key.
    void SeedAdapter();
    // Stores a settings value as REG_SZ text under the adapter's "DEFAULT" key.
    void SeedValue(const char* name, const std::string& text);

    static std::string EnumKey(const std::string& hardwareKey = kHardwareKey);
    static std::string DefaultKey(const std::string& driver = kDriver);

    RegistrySeed seed;
};
