// Finding the adapter's device node and its driver key: which node's driver key the settings
// values are read from and written to.
#include <gtest/gtest.h>
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
};

// A device node under "Config Manager\Enum": its name and its "HardWareKey", stored with or
// without a terminator.
struct Node {
    std::string name;
    std::string hardwareKey;
    bool terminated = true;
};

// Windows 95 names the node by the ID and the bus location; Windows 98 puts the subsystem and
// the revision between them. Each node has an "Enum" entry naming a driver key of its own.
TEST_F(DeviceSearchTest, UsesTheFirstNodeWhoseKeyBeginsWithTheId) {
    const std::string other = "PCI\\VEN_0000&DEV_0000";
    const struct {
        const char* what;
        std::vector<Node> nodes;  // in the order RegEnumKeyA lists them
        size_t used;              // the node whose driver key is used, from 1; 0 for none
    } cases[] = {
        {"Windows 95", {{"0", adapter.hardwareKey}}, 1},
        {"Windows 98", {{"0", "PCI\\VEN_5333&DEV_5631&SUBSYS_00000000&REV_06\\BUS_01&DEV_00&FUNC_00"}}, 1},
        {"an Enum path of MAX_PATH characters", {{"0", HardwareKeyOfLength(MAX_PATH - (sizeof "Enum\\" - 1))}}, 1},
        // Matched, so the search ends there, though the registry opens no "Enum" path that long.
        {"the longest key the buffer holds", {{"0", HardwareKeyOfLength(MAX_PATH - 1)}, {"1", adapter.hardwareKey}}, 0},
        {"a key too long for the buffer", {{"0", HardwareKeyOfLength(MAX_PATH)}, {"1", adapter.hardwareKey}}, 2},
        {"a key filling the buffer without a terminator",
         {{"0", HardwareKeyOfLength(MAX_PATH), false}, {"1", adapter.hardwareKey}}, 2},
        {"a key stored without a terminator", {{"0", adapter.hardwareKey, false}}, 1},
        {"lower case, 20 characters of the ID, another ID, the ID not at the start",
         {{"0", "pci\\ven_5333&dev_5631\\BUS_00&DEV_0C&FUNC_00"}, {"1", "PCI\\VEN_5333&DEV_563"},
          {"2", "PCI\\VEN_5333&DEV_5632"}, {"3", "ROOT\\PCI\\VEN_5333&DEV_5631"}}, 0},
        {"a subkey name of 31 characters", {{std::string(31, 'A'), other}, {"B", adapter.hardwareKey}}, 2},
        {"a subkey name of 32 characters ends the search", {{std::string(32, 'A'), other}, {"B", adapter.hardwareKey}}, 0},
        {"two matching nodes", {{"0", adapter.hardwareKey}, {"1", "PCI\\VEN_5333&DEV_5631\\BUS_00&DEV_0C&FUNC_00"}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<AdapterRegistry> nodes;
        std::vector<std::string> names, drivers;
        for (const Node& node : c.nodes) {
            nodes.push_back({node.name, node.hardwareKey, "DISPLAY\\000" + std::to_string(nodes.size() + 1)});
            nodes.back().Seed(std::nullopt);
            if (!node.terminated) SeedBytes(HKEY_DYN_DATA, nodes.back().NodeKey(), "HardWareKey", node.hardwareKey);
            names.push_back(node.name);
            drivers.push_back(nodes.back().driver);
        }
        SeedDriverKeys(drivers);
        ASSERT_EQ(RegistrySubkeys(HKEY_DYN_DATA, "Config Manager\\Enum"), names);
        CAdapterSettings settings(64);
        EXPECT_EQ(UsedDriverKey(settings), c.used ? drivers[c.used - 1] : "");
        for (const AdapterRegistry& node : nodes) node.RemoveAll();
    }
}

TEST_F(DeviceSearchTest, WithoutTheAdapterNoOperationOpensAKey) {
    SeedDevice("0", "PCI\\VEN_1234&DEV_0001");
    SeedDriver(adapter.driver);
    SeedValue("MCLK", "77");
    CAdapterSettings settings(64);

    ResourceLedger ledger;
    int nValue = 5;
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

// The driver key named by the whole "Driver" value or by none: 15 D's is also 16 cut short.
TEST_F(DeviceSearchTest, ADriverValueMustFitWithItsTerminator) {
    const std::string d15(15, 'D'), d16(16, 'D');
    SeedDriverKeys({d15, d16, adapter.driver});
    SeedDevice("0", adapter.hardwareKey);
    CAdapterSettings settings(64);
    EXPECT_EQ(UsedDriverKey(settings), "") << "no Enum key";
    const struct {
        std::string driver;
        bool terminated;
        std::string used;
    } cases[] = {{d15, true, d15}, {d16, true, ""}, {d16, false, ""}, {adapter.driver, false, adapter.driver}};
    for (const auto& c : cases) {
        if (c.terminated) SeedDriver(c.driver);
        else SeedBytes(HKEY_LOCAL_MACHINE, adapter.EnumKey(), "Driver", c.driver);
        EXPECT_EQ(UsedDriverKey(settings), c.used) << c.driver << (c.terminated ? "" : ", unterminated");
    }
}

}  // namespace
