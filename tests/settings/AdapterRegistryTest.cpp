#include "AdapterRegistryTest.h"
#include "AdapterRegistry.h"

void AdapterRegistryTest::SetUp() {
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, EnumKey());
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, AdapterRegistry::DriverKeyOf(kDriverClass));
    for (const std::string& name : RegistrySubkeys(HKEY_DYN_DATA, kDeviceList))
        if (name.rfind(kNodePrefix, 0) == 0) DeleteRegistryTree(HKEY_DYN_DATA, AdapterRegistry::NodeKeyOf(name));
    const std::vector<std::string> others = RegistrySubkeys(HKEY_DYN_DATA, kDeviceList);
    ASSERT_TRUE(others.empty()) << "device node " << others.front() << " listed by someone else";
}

std::string AdapterRegistryTest::NodeKey(const std::string& name) { return AdapterRegistry::NodeKeyOf(kNodePrefix + name); }

void AdapterRegistryTest::SeedDevice(const std::string& name, const std::string& hardwareKey) {
    seed.Text(HKEY_DYN_DATA, NodeKey(name), "HardWareKey", hardwareKey);
}

void AdapterRegistryTest::SeedDriver(const std::string& hardwareKey, const std::string& driver) {
    seed.Text(HKEY_LOCAL_MACHINE, EnumKey(hardwareKey), "Driver", driver);
}

void AdapterRegistryTest::SeedAdapter() {
    SeedDevice("0", kHardwareKey);
    SeedDriver(kHardwareKey, kDriver);
    seed.Key(HKEY_LOCAL_MACHINE, DefaultKey());
}

void AdapterRegistryTest::SeedValue(const char* name, const std::string& text) {
    seed.Text(HKEY_LOCAL_MACHINE, DefaultKey(), name, text);
}

std::string AdapterRegistryTest::EnumKey(const std::string& hardwareKey) { return AdapterRegistry::EnumKeyOf(hardwareKey); }

std::string AdapterRegistryTest::DefaultKey(const std::string& driver) { return AdapterRegistry::ValuesKeyOf(driver); }
