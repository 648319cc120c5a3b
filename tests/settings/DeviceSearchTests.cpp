// Finding the adapter's device node and its driver key.
#include <gtest/gtest.h>
#include <algorithm>
#include "SettingsStoreTest.h"
#include "ResourceLedger.h"
#include "settings/AdapterSettings.h"

namespace {

class DeviceSearchTest : public SettingsStoreTest {
protected:
    // The adapter's node key made `length` characters long with subkeys of its own, so that its
    // "Enum" entry can be made too (and is removed with the adapter's).
    std::string HardwareKeyOfLength(size_t length) const {
        std::string key = adapter.hardwareKey;
        while (key.size() < length) key += (key.size() - adapter.hardwareKey.size()) % 32 == 0 ? '\\' : 'X';
        return key;
    }

    // The tests rely on RegEnumKeyA listing the first node before the second.
    void ExpectListedInOrder(const std::string& first, const std::string& second) {
        const std::vector<std::string> nodes = RegistrySubkeys(HKEY_DYN_DATA, "Config Manager\\Enum");
        const auto at = [&](const std::string& name) { return std::find(nodes.begin(), nodes.end(), name) - nodes.begin(); };
        ASSERT_LT(at(first), at(second));
    }
};

// Windows 95 names the node by the ID and the bus location; Windows 98 puts the subsystem and
// the revision between them. The "Enum" path of a key of any length the registry takes is found.
TEST_F(DeviceSearchTest, MatchesTheIdFollowedByTheBusLocation) {
    const std::string keys[] = {
        "PCI\\VEN_5333&DEV_5631\\BUS_01&DEV_00&FUNC_00",
        "PCI\\VEN_5333&DEV_5631&SUBSYS_00000000&REV_06\\BUS_01&DEV_00&FUNC_00",
        HardwareKeyOfLength(MAX_PATH - (sizeof "Enum\\" - 1)),  // "Enum\..." of MAX_PATH characters
    };
    for (const std::string& key : keys) {
        SCOPED_TRACE(key);
        AdapterRegistry node;
        node.hardwareKey = key;
        node.Seed(AdapterRegistry::Values{});
        CAdapterSettings settings(64);
        EXPECT_TRUE(settings.IsFound());
        EXPECT_EQ(settings.GetHardwareKey(), key);
        EXPECT_TRUE(settings.LookupDriver());
        EXPECT_STREQ(settings.GetDriver(), node.driver.c_str());
        node.RemoveAll();
    }
}

TEST_F(DeviceSearchTest, LowerCaseOrShortenedIdsDoNotMatch) {
    SeedDevice("0", "pci\\ven_5333&dev_5631\\BUS_00&DEV_0C&FUNC_00");
    SeedDevice("1", "PCI\\VEN_5333&DEV_563");
    SeedDevice("2", "PCI\\VEN_5333&DEV_5632");
    SeedDevice("3", "ROOT\\PCI\\VEN_5333&DEV_5631");
    EXPECT_FALSE(CAdapterSettings(64).IsFound());
}

TEST_F(DeviceSearchTest, SkipsAHardwareKeyTooLongForItsBuffer) {
    SeedDevice("0", HardwareKeyOfLength(MAX_PATH));   // MAX_PATH + 1 bytes with the terminator
    SeedDevice("1", adapter.hardwareKey);
    ExpectListedInOrder("0", "1");
    CAdapterSettings settings(64);
    EXPECT_TRUE(settings.IsFound());
    EXPECT_STREQ(settings.GetHardwareKey(), adapter.hardwareKey.c_str());
}

TEST_F(DeviceSearchTest, SkipsAHardwareKeyThatFillsItsBufferWithoutATerminator) {
    SeedDevice("0", HardwareKeyOfLength(MAX_PATH - 1));
    CAdapterSettings fits(64);
    EXPECT_TRUE(fits.IsFound());
    EXPECT_EQ(fits.GetHardwareKey(), HardwareKeyOfLength(MAX_PATH - 1));

    SeedBytes(HKEY_DYN_DATA, AdapterRegistry::NodeKeyOf("0"), "HardWareKey", HardwareKeyOfLength(MAX_PATH));
    SeedDevice("1", adapter.hardwareKey);
    ExpectListedInOrder("0", "1");
    CAdapterSettings unterminated(64);
    EXPECT_STREQ(unterminated.GetHardwareKey(), adapter.hardwareKey.c_str());
}

TEST_F(DeviceSearchTest, AcceptsAHardwareKeyStoredWithoutATerminator) {
    SeedBytes(HKEY_DYN_DATA, AdapterRegistry::NodeKeyOf("0"), "HardWareKey", adapter.hardwareKey);
    SeedDriver(adapter.driver);
    CAdapterSettings settings(64);
    EXPECT_STREQ(settings.GetHardwareKey(), adapter.hardwareKey.c_str());
    EXPECT_TRUE(settings.LookupDriver());
}

TEST_F(DeviceSearchTest, ASubkeyNameTooLongForItsBufferEndsTheSearch) {
    const std::string name31(31, 'A');
    const std::string name32 = name31 + 'A';
    SeedDevice(name31, "PCI\\VEN_0000&DEV_0000");
    SeedDevice("B", adapter.hardwareKey);
    ExpectListedInOrder(name31, "B");
    EXPECT_TRUE(CAdapterSettings(64).IsFound());

    SeedDevice(name32, "PCI\\VEN_0000&DEV_0000");
    ExpectListedInOrder(name32, "B");
    EXPECT_FALSE(CAdapterSettings(64).IsFound());
}

TEST_F(DeviceSearchTest, TheFirstOfTwoMatchingNodesIsUsed) {
    SeedDevice("0", adapter.hardwareKey);
    SeedDevice("1", "PCI\\VEN_5333&DEV_5631\\BUS_00&DEV_0C&FUNC_00");
    ExpectListedInOrder("0", "1");
    EXPECT_STREQ(CAdapterSettings(64).GetHardwareKey(), adapter.hardwareKey.c_str());
}

TEST_F(DeviceSearchTest, WithoutTheAdapterNoOperationOpensAKey) {
    SeedDevice("0", "PCI\\VEN_1234&DEV_0001");
    SeedDriver(adapter.driver);
    SeedValue("MCLK", "77");
    CAdapterSettings settings(64);
    ASSERT_FALSE(settings.IsFound());

    ResourceLedger ledger;
    int nValue = 5;
    EXPECT_FALSE(settings.LookupDriver());
    EXPECT_FALSE(settings.GetEnhPer(&nValue));
    EXPECT_FALSE(settings.GetRefreshRate(&nValue));
    EXPECT_FALSE(settings.GetMclkFast(&nValue));
    settings.SetEnhPer(1);
    settings.SetRefreshRate(75);
    settings.SetMclkFast(FALSE);
    EXPECT_EQ(nValue, 5);
    EXPECT_EQ(ledger.KeysOpened(), 0u);
    EXPECT_FALSE(Stored("EnhPer").valueExists);
}

TEST_F(DeviceSearchTest, ADriverValueMustFitWithItsTerminator) {
    SeedDevice("0", adapter.hardwareKey);
    CAdapterSettings settings(64);
    ASSERT_TRUE(settings.IsFound());
    EXPECT_FALSE(settings.LookupDriver()) << "no Enum key";

    SeedDriver(std::string(15, 'D'));
    EXPECT_TRUE(settings.LookupDriver());
    EXPECT_STREQ(settings.GetDriver(), std::string(15, 'D').c_str());

    SeedDriver(std::string(16, 'D'));   // 17 bytes with the terminator
    EXPECT_FALSE(settings.LookupDriver());

    SeedBytes(HKEY_LOCAL_MACHINE, adapter.EnumKey(), "Driver", std::string(16, 'D'));
    EXPECT_FALSE(settings.LookupDriver());
    EXPECT_STREQ(settings.GetDriver(), "");

    SeedBytes(HKEY_LOCAL_MACHINE, adapter.EnumKey(), "Driver", adapter.driver);   // shorter, and unterminated
    EXPECT_TRUE(settings.LookupDriver());
    EXPECT_STREQ(settings.GetDriver(), adapter.driver.c_str());
}

}  // namespace
