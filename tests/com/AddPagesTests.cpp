// Adding the settings page: only on the adapter's own driver, the screen's DC always given
// back, a refused page handle destroyed once, and every page object freed exactly once.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <cstring>
#include "HeapLedger.h"
#include "ImportPatch.h"
#include "ProductDll.h"
#include "ResourceLedger.h"
#include "TestSheet.h"
#include "VirtualAdapter.h"
#include "com/ComServer.h"
#include "com/DisplayShellExt.h"
#include "page/DialogDlg.h"

namespace {

// Watches the page-handle calls a module makes, passing them on.
struct PageHandleSpy {
    explicit PageHandleSpy(HMODULE module)
        : create(module, "COMCTL32.dll", "CreatePropertySheetPageA", [this](auto real, LPCPROPSHEETPAGEA psp) {
              descriptions.push_back(*reinterpret_cast<const PROPSHEETPAGEA_V1*>(psp));
              HPROPSHEETPAGE h = failCreate ? nullptr : real(psp);
              if (h) created.push_back(h);
              return h;
          }),
          destroy(module, "COMCTL32.dll", "DestroyPropertySheetPage", [this](auto real, HPROPSHEETPAGE h) {
              destroyed.push_back(h);
              return real(h);
          }) {}

    bool failCreate = false;
    std::vector<HPROPSHEETPAGE> created, destroyed;
    std::vector<PROPSHEETPAGEA_V1> descriptions;  // as each create call was given it
    ImportHook<decltype(&::CreatePropertySheetPageA)> create;
    ImportHook<decltype(&::DestroyPropertySheetPage)> destroy;
};

// The shipped DLL, its driver calls answered by the virtual adapter.
class AddPagesThroughDll : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dll.Module(), nullptr);
        ASSERT_TRUE(adapter.Plug(dll.Module()));
        ASSERT_EQ(dll.CreateExtension(IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext)), S_OK);
    }
    void TearDown() override {
        if (ext) ext->Release();
    }
    ProductDll dll;
    VirtualAdapter adapter;
    IShellPropSheetExt* ext = nullptr;
};

TEST_F(AddPagesThroughDll, OnlyTheAnswerOneAddsThePage) {
    for (int answer : { 0, 2, -1, 1 }) {
        SCOPED_TRACE(answer);
        adapter.escapeSupport = answer;
        adapter.escapes.clear();
        PageCollector collector;
        ResourceLedger ledger(dll.Module());
        EXPECT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
        EXPECT_EQ(collector.calls, answer == 1 ? 1 : 0);

        ASSERT_EQ(adapter.escapes.size(), 1u);
        const VirtualAdapter::EscapeCall& query = adapter.escapes[0];
        EXPECT_EQ(query.escape, QUERYESCSUPPORT);
        ASSERT_EQ(query.input.size(), 4u);
        INT32 asked;
        std::memcpy(&asked, query.input.data(), 4);
        EXPECT_EQ(asked, 21997);
        EXPECT_EQ(query.outputSize, 0);
        EXPECT_EQ(ledger.DCsTaken(), 1u);
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();

        for (HPROPSHEETPAGE h : collector.pages) ::DestroyPropertySheetPage(h);
    }
}

TEST_F(AddPagesThroughDll, RefusedHandleIsDestroyedExactlyOnce) {
    PageHandleSpy spy(dll.Module());
    PageCollector collector;
    collector.accept = FALSE;
    EXPECT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    EXPECT_EQ(collector.calls, 1);
    ASSERT_EQ(spy.created.size(), 1u);
    ASSERT_EQ(spy.destroyed.size(), 1u);
    EXPECT_EQ(spy.destroyed[0], spy.created[0]);
}

TEST_F(AddPagesThroughDll, EachCallAddsItsOwnTavrolinTab) {
    PageCollector collector;
    ASSERT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    ASSERT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    ASSERT_EQ(collector.pages.size(), 2u);
    EXPECT_NE(collector.pages[0], collector.pages[1]);

    TestSheet sheet(collector.pages);
    ASSERT_NE(sheet.Window(), nullptr);
    EXPECT_EQ(sheet.Tabs(), (std::vector<std::string>{ "Tavrolin", "Tavrolin" }));
    char caption[64] = {};
    ::GetWindowTextA(sheet.Window(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Display Properties");
}

// The same extension compiled into this program, where the heap can be watched.
class AddPagesLinked : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(adapter.Plug(::GetModuleHandleA(nullptr)));
        ext = new CDisplayShellExt;
    }
    void TearDown() override {
        ext->Release();
        EXPECT_EQ(LivePages(), 0) << "a page object was not freed";
        EXPECT_EQ(HeapLedger::BadFrees(), 0) << "a page object was freed twice";
    }
    VirtualAdapter adapter;
    static long LivePages() { return HeapLedger::LiveBlocks(sizeof(CDialogDlg)); }
    CDisplayShellExt* ext = nullptr;
};

// The description the sheet gets (the 40-byte layout, template 148, the framework's dialog
// procedure); the page shown is attached to the object it names, and freed with the sheet.
TEST_F(AddPagesLinked, ShownPageIsTheDescribedOneAndIsFreedWithTheSheet) {
    PageHandleSpy spy(::GetModuleHandleA(nullptr));
    PageCollector collector;
    ASSERT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    EXPECT_EQ(LivePages(), 1) << "one page object while the handle lives";
    ASSERT_EQ(spy.descriptions.size(), 1u);
    const PROPSHEETPAGEA_V1& psp = spy.descriptions[0];
    EXPECT_EQ(psp.dwSize, 40u);
    EXPECT_EQ(psp.dwFlags, static_cast<DWORD>(PSP_USECALLBACK));
    EXPECT_EQ(psp.hInstance, ::GetModuleHandleA(nullptr));
    EXPECT_EQ(psp.pszTemplate, MAKEINTRESOURCEA(148));
    EXPECT_EQ(psp.hIcon, nullptr);
    EXPECT_EQ(psp.pszTitle, nullptr);
    EXPECT_EQ(psp.pfnDlgProc, &FrameworkDialogProc);
    EXPECT_EQ(psp.pcRefParent, nullptr);
    {
        TestSheet sheet(collector.pages);
        CWnd* page = CWnd::FromHandlePermanent(sheet.CurrentPage());
        // The page's callback prepared the attachment as the sheet made the window.
        EXPECT_EQ(reinterpret_cast<LPARAM>(page), psp.lParam) << "the page window is attached to its object";
        EXPECT_EQ(page ? page->GetRuntimeClass() : nullptr, RUNTIME_CLASS(CDialogDlg));
    }
    EXPECT_EQ(LivePages(), 0);
}

TEST_F(AddPagesLinked, RefusedPageIsFreed) {
    PageCollector collector;
    collector.accept = FALSE;
    EXPECT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    EXPECT_EQ(collector.calls, 1);
}

TEST_F(AddPagesLinked, PageThatNeverBecameAHandleIsFreed) {
    PageHandleSpy spy(::GetModuleHandleA(nullptr));
    spy.failCreate = true;
    PageCollector collector;
    EXPECT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    EXPECT_EQ(collector.calls, 0);
}

TEST_F(AddPagesLinked, NoPageWhenItCannotBeAllocated) {
    PageCollector collector;
    HeapLedger::FailNextAllocation(sizeof(CDialogDlg));
    EXPECT_EQ(ext->AddPages(&PageCollector::Add, collector.Param()), S_OK);
    EXPECT_EQ(collector.calls, 0);
}

// The page can be made by its run-time class name, as a page of the framework's own kind.
TEST(SettingsPageFrame, IsCreatableByName) {
    CRuntimeClass* pClass = CRuntimeClass::FromName("CDialogDlg");
    EXPECT_EQ(pClass, RUNTIME_CLASS(CDialogDlg));
    EXPECT_TRUE(RUNTIME_CLASS(CDialogDlg)->IsDerivedFrom(RUNTIME_CLASS(CPropertyPage)));
    CObject* object = RUNTIME_CLASS(CDialogDlg)->CreateObject();
    EXPECT_EQ(object ? object->GetRuntimeClass() : nullptr, RUNTIME_CLASS(CDialogDlg));
    delete object;
}

}  // namespace
