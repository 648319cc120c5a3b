// Every registry key the settings object opens is closed again, on every path.
#include <gtest/gtest.h>
#include <functional>
#include "SettingsStoreTest.h"
#include "ResourceLedger.h"
#include "settings/AdapterSettings.h"

namespace {

class RegistryKeysClosedTest : public SettingsStoreTest {
protected:
    // Runs one operation under a ledger: every key it opened is closed. It opens at least one,
    // or the check would prove nothing, except where nothing can be opened.
    void ExpectBalanced(const char* what, const std::function<void()>& operation, bool bOpensAny = true) {
        ResourceLedger ledger;
        operation();
        if (bOpensAny) {
            EXPECT_GT(ledger.KeysOpened(), 0u) << what;
        }
        EXPECT_TRUE(ledger.Balanced()) << what << ": " << ledger.Report();
    }
};

TEST_F(RegistryKeysClosedTest, OnTheDeviceSearch) {
    SeedDevice("0", "PCI\\VEN_1234&DEV_0001");
    SeedDevice("1", std::string(60, 'P'));
    SeedKey(HKEY_DYN_DATA, AdapterRegistry::NodeKeyOf("2"));
    ExpectBalanced("no match", [] { CAdapterSettings(64); });
    SeedDevice("3", adapter.hardwareKey);
    SeedDevice("4", adapter.hardwareKey);
    ExpectBalanced("match", [] { CAdapterSettings(64); });
}

TEST_F(RegistryKeysClosedTest, OnEveryValueOperation) {
    SeedAdapter();
    SeedValue("MCLK", "77");
    SeedValue("RefreshRate", "123456789");
    CAdapterSettings settings(64);
    int nValue = 0;
    ExpectBalanced("read", [&] { settings.GetMclkFast(&nValue); });
    ExpectBalanced("missing value", [&] { settings.GetEnhPer(&nValue); });
    ExpectBalanced("value too long", [&] { settings.GetRefreshRate(&nValue); });
    ExpectBalanced("write", [&] { settings.SetEnhPer(1); });

    SeedDriver("DISPLAY\\0009");
    ExpectBalanced("no DEFAULT key, read", [&] { settings.GetRefreshRate(&nValue); });
    ExpectBalanced("no DEFAULT key, write", [&] { settings.SetMclkFast(TRUE); });

    SeedDriver(std::string(20, 'D'));
    ExpectBalanced("driver value too long", [&] { settings.SetRefreshRate(60); });
}

TEST_F(RegistryKeysClosedTest, WhenTheDriverCannotBeLookedUp) {
    SeedDevice("0", adapter.hardwareKey);
    CAdapterSettings settings(64);
    int nValue = 0;
    ExpectBalanced("no Enum key", [&] { settings.GetEnhPer(&nValue); }, false);
    SeedKey(HKEY_LOCAL_MACHINE, adapter.EnumKey());
    ExpectBalanced("no Driver value", [&] { settings.SetEnhPer(1); });
}

}  // namespace
