// The driver's settings values: decimal text under the "DEFAULT" key.
#include <gtest/gtest.h>
#include "SettingsStoreTest.h"
#include "settings/AdapterSettings.h"

namespace {

class SettingsValuesTest : public SettingsStoreTest {
protected:
    void SetUp() override {
        SettingsStoreTest::SetUp();
        SeedAdapter();
    }
};

TEST_F(SettingsValuesTest, MclkReadsFastOnlyFor77) {
    CAdapterSettings settings(64);
    const std::pair<const char*, int> cases[] = {{"77", 1}, {"70", 0}, {"75", 0}, {"0", 0}};
    for (const auto& [text, fast] : cases) {
        SeedValue("MCLK", text);
        int nFast = -1;
        EXPECT_TRUE(settings.GetMclkFast(&nFast)) << text;
        EXPECT_EQ(nFast, fast) << text;
    }
}

TEST_F(SettingsValuesTest, AMissingValueFailsAndLeavesTheVariableAlone) {
    CAdapterSettings settings(64);
    int nValue = 42;
    EXPECT_FALSE(settings.GetMclkFast(&nValue));
    EXPECT_FALSE(settings.GetEnhPer(&nValue));
    EXPECT_FALSE(settings.GetRefreshRate(&nValue));
    EXPECT_EQ(nValue, 42);
}

TEST_F(SettingsValuesTest, WritesDecimalTextWithItsTerminatorCounted) {
    CAdapterSettings settings(64);
    settings.SetMclkFast(2);
    settings.SetRefreshRate(-1);
    settings.SetEnhPer(1);
    const RegistryValue mclk = Stored("MCLK");
    EXPECT_EQ(mclk.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(mclk.data, std::string("77", 3));
    EXPECT_EQ(Stored("RefreshRate").data, std::string("-1", 3));
    EXPECT_EQ(Stored("EnhPer").data, std::string("1", 2));

    settings.SetMclkFast(FALSE);
    EXPECT_EQ(Stored("MCLK").data, std::string("70", 3));
}

TEST_F(SettingsValuesTest, WrittenValuesReadBack) {
    CAdapterSettings settings(64);
    for (int nRate : {-1, 0, 60, 85, 1234567}) {
        settings.SetRefreshRate(nRate);
        int nRead = 99;
        EXPECT_TRUE(settings.GetRefreshRate(&nRead));
        EXPECT_EQ(nRead, nRate);
    }
    settings.SetEnhPer(1);
    int nEnhPer = 0;
    EXPECT_TRUE(settings.GetEnhPer(&nEnhPer));
    EXPECT_EQ(nEnhPer, 1);
    settings.SetMclkFast(TRUE);
    int nFast = 0;
    EXPECT_TRUE(settings.GetMclkFast(&nFast));
    EXPECT_EQ(nFast, 1);
}

TEST_F(SettingsValuesTest, ReadsTextAsAtoiDoes) {
    CAdapterSettings settings(64);
    const std::pair<const char*, int> cases[] = {
        {" 85", 85}, {"85abc", 85}, {"", 0}, {"abc", 0}, {"\t\r\n-12", -12}, {"+7", 7}, {"- 3", 0}, {"1234567", 1234567}};
    for (const auto& [text, expected] : cases) {
        SeedValue("EnhPer", text);
        int nValue = 99;
        EXPECT_TRUE(settings.GetEnhPer(&nValue)) << '"' << text << '"';
        EXPECT_EQ(nValue, expected) << '"' << text << '"';
    }
}

TEST_F(SettingsValuesTest, ReadsAtMostEightBytes) {
    CAdapterSettings settings(64);
    SeedValue("RefreshRate", "12345678");   // nine bytes with the terminator
    int nRate = 60;
    EXPECT_FALSE(settings.GetRefreshRate(&nRate));
    EXPECT_EQ(nRate, 60);

    // Eight bytes without a terminator end where the data ends.
    SeedBytes(HKEY_LOCAL_MACHINE, adapter.ValuesKey(), "RefreshRate", "87654321");
    EXPECT_TRUE(settings.GetRefreshRate(&nRate));
    EXPECT_EQ(nRate, 87654321);
    SeedBytes(HKEY_LOCAL_MACHINE, adapter.ValuesKey(), "RefreshRate", "72");
    EXPECT_TRUE(settings.GetRefreshRate(&nRate));
    EXPECT_EQ(nRate, 72);
}

TEST_F(SettingsValuesTest, AMissingDefaultKeyFailsReadsAndIsNeverCreated) {
    SeedDriver("DISPLAY\\0001");
    CAdapterSettings settings(64);
    int nValue = 3;
    EXPECT_FALSE(settings.GetEnhPer(&nValue));
    EXPECT_FALSE(settings.GetMclkFast(&nValue));
    EXPECT_EQ(nValue, 3);
    settings.SetEnhPer(1);
    settings.SetRefreshRate(60);
    settings.SetMclkFast(TRUE);
    EXPECT_FALSE(ReadRegistryValue(HKEY_LOCAL_MACHINE, AdapterRegistry::ValuesKeyOf("DISPLAY\\0001"), "EnhPer").keyExists);
}

TEST_F(SettingsValuesTest, EachOperationReadsTheDriverValueAfresh) {
    SeedDriverKeys({adapter.driver, "DISPLAY\\0001"});
    CAdapterSettings settings(64);
    EXPECT_EQ(UsedDriverKey(settings), adapter.driver);
    SeedDriver("DISPLAY\\0001");
    EXPECT_EQ(UsedDriverKey(settings), "DISPLAY\\0001");
}

}  // namespace
