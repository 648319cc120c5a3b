// The module's life as the shell sees it: unloaded once nothing is alive, loaded again and used
// again as if new.
#include <gtest/gtest.h>
#include <shlobj.h>
#include "ProductDll.h"
#include "ResourceLedger.h"
#include "TestSheet.h"
#include "VirtualAdapter.h"

namespace {

// Loads the module, adds its page to a real sheet, closes everything and unloads it.
void UseOnce() {
    ProductDll dll;
    ASSERT_NE(dll.Module(), nullptr);
    VirtualAdapter adapter;
    ASSERT_TRUE(adapter.Plug(dll.Module()));
    {
        ResourceLedger ledger(dll.Module());
        IShellPropSheetExt* ext = nullptr;
        ASSERT_EQ(dll.CreateExtension(IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext)), S_OK);
        PageCollector collector;
        ASSERT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
        ext->Release();
        {
            TestSheet sheet(collector.pages);
            EXPECT_EQ(sheet.Tabs(), std::vector<std::string>{ "Tavrolin" });
        }
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
    }
    EXPECT_EQ(dll.CanUnloadNow(), S_OK);
    adapter.Unplug();
}

TEST(ModuleLifecycle, UnloadedAndLoadedAgainWorksAsNew) {
    ASSERT_EQ(::GetModuleHandleA("tavrolin.dll"), nullptr) << "no other test may hold the module";
    UseOnce();
    EXPECT_EQ(::GetModuleHandleA("tavrolin.dll"), nullptr) << "the module was unloaded";
    UseOnce();
    EXPECT_EQ(::GetModuleHandleA("tavrolin.dll"), nullptr);
}

}  // namespace
