// The module's life as the shell sees it: static objects that exist from load to unload, and a
// module unloaded once nothing is alive, loaded again and used again as if new.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <fstream>
#include <iterator>
#include <string>
#include "ChildProcess.h"
#include "HeapLedger.h"
#include "ProductDll.h"
#include "ResourceLedger.h"
#include "TestSheet.h"
#include "VirtualAdapter.h"
#include "com/ComIds.h"

namespace {

// Loads the module, adds its page to a real sheet, closes everything and unloads it. Whatever
// the module took meanwhile (keys, DCs, GDI objects, heap blocks) it gave back.
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
        EXPECT_GT(ledger.HeapBlocksAllocated(), 0u) << "the module's heap is not the process heap";
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
        EXPECT_EQ(ledger.LiveHeapBlocks(), 0u) << ledger.Report();
    }
    EXPECT_EQ(dll.CanUnloadNow(), S_OK);
    adapter.Unplug();
}

TEST(ModuleLifecycle, UnloadedAndLoadedAgainWorksAsNew) {
    ASSERT_EQ(::GetModuleHandleA("tavrolin.dll"), nullptr) << "no other test may hold the module";
    UseOnce();
    EXPECT_EQ(::GetModuleHandleA("tavrolin.dll"), nullptr) << "the module was unloaded";
    // The first use leaves what the system keeps once per process (window classes, fonts).
    const HeapLedger::ProcessHeapUse before = HeapLedger::ProcessHeap();
    ASSERT_GT(before.blocks, 0u) << "the process heap cannot be walked";
    for (int i = 0; i < 10 && !HasFatalFailure(); ++i) {
        UseOnce();
        EXPECT_EQ(::GetModuleHandleA("tavrolin.dll"), nullptr) << "use " << i;
    }
    const HeapLedger::ProcessHeapUse after = HeapLedger::ProcessHeap();
    EXPECT_EQ(after.blocks, before.blocks);
    EXPECT_EQ(after.bytes, before.bytes);
}

// module_probe.dll is the product's code with one more static object, constructed before all
// others and destroyed after them, and a DllGetClassObject that notes what existed when called.
// It writes its notes to this file, which is empty at first.
std::string StartProbeLog() {
    const std::string path = ProgramFolder() + "\\module-probe.log";
    ::DeleteFileA(path.c_str());
    ::SetEnvironmentVariableA("TAVROLIN_MODULE_PROBE", path.c_str());
    return path;
}

std::string ProbeLog(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ModuleLifecycle, StaticObjectsAreBuiltAtLoadAndDestroyedAtUnloadOnly) {
    const std::string log = StartProbeLog();
    {
        ProductDll probe("module_probe.dll");
        ASSERT_NE(probe.Module(), nullptr);
        EXPECT_EQ(ProbeLog(log), "first app=0 page=0;");
        IClassFactory* factory = nullptr;
        ASSERT_EQ(probe.GetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
                  S_OK);
        factory->Release();
        // The application object and the page's run-time class were there before the first call.
        EXPECT_EQ(ProbeLog(log), "first app=0 page=0;call app=1 page=1;");
    }
    EXPECT_EQ(::GetModuleHandleA("module_probe.dll"), nullptr);
    // Unloading destroyed the application object, before the object constructed first.
    EXPECT_EQ(ProbeLog(log), "first app=0 page=0;call app=1 page=1;last app=0;");

    // A process that ends with the module loaded destroys nothing: the DLLs the destructors
    // would call may be gone by then.
    StartProbeLog();
    EXPECT_EQ(RunProgram("rundll32.exe \"" + ProgramFolder() + "\\module_probe.dll\",ProbeExitProcess"), 0);
    EXPECT_EQ(ProbeLog(log), "first app=0 page=0;");
}

}  // namespace
