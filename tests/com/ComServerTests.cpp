// The COM contract of tavrolin.dll as the shell sees it: loaded by path, reached through its
// exports; allocation failures through the same code compiled into this program.
#include <gtest/gtest.h>
#include <shlobj.h>
#include "HeapLedger.h"
#include "ProductDll.h"
#include "com/ClassFactory.h"
#include "com/ComIds.h"
#include "com/ComServer.h"
#include "com/DisplayShellExt.h"

namespace {

const CLSID kOtherClsid = { 0x545C341E, 0xC432, 0x4F2B, { 0x85, 0xB4, 0x83, 0xDD, 0x2F, 0xDB, 0xA6, 0x25 } };

class ComServer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dll.Module(), nullptr) << "tavrolin.dll not found beside the test";
        ASSERT_EQ(dll.CanUnloadNow(), S_OK);
    }
    void TearDown() override { EXPECT_EQ(dll.CanUnloadNow(), S_OK) << "an object outlived its test"; }
    ProductDll dll;
};

TEST_F(ComServer, AnotherClassIsNotServed) {
    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(dll.GetClassObject(kOtherClsid, IID_IClassFactory, &pv), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(pv, nullptr);
    EXPECT_EQ(dll.GetClassObject(CLSID_NULL, IID_IClassFactory, &pv), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(pv, nullptr);
}

TEST_F(ComServer, BadArgumentsAreRefusedWithoutCrashing) {
    EXPECT_EQ(dll.GetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, nullptr), E_POINTER);
    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(dll.GetClassObjectRaw(nullptr, &IID_IClassFactory, &pv), E_INVALIDARG);
    EXPECT_EQ(pv, nullptr);
    pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(dll.GetClassObjectRaw(&CLSID_TavrolinDisplayPage, nullptr, &pv), E_INVALIDARG);
    EXPECT_EQ(pv, nullptr);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(dll.GetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IShellExtInit, nullptr), E_POINTER);
    pv = reinterpret_cast<void*>(1);
    // CreateInstance as a C caller reaches it, through the table, with a null identifier.
    using CreateInstanceFn = HRESULT(STDMETHODCALLTYPE*)(IClassFactory*, IUnknown*, const IID*, void**);
    auto createInstance = reinterpret_cast<CreateInstanceFn>((*reinterpret_cast<void***>(factory))[3]);
    EXPECT_EQ(createInstance(factory, nullptr, nullptr, &pv), E_INVALIDARG);
    EXPECT_EQ(pv, nullptr);
    EXPECT_EQ(factory->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(factory->Release(), 0u);
}

TEST_F(ComServer, FactoryGrantsOnlyUnknownAndClassFactory) {
    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(dll.GetClassObject(CLSID_TavrolinDisplayPage, IID_IShellExtInit, &pv), E_NOINTERFACE);
    EXPECT_EQ(pv, nullptr);
    EXPECT_EQ(dll.CanUnloadNow(), S_OK) << "a refused factory must not stay alive";

    IUnknown* unknown = nullptr;
    ASSERT_EQ(dll.GetClassObject(CLSID_TavrolinDisplayPage, IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->AddRef(), 2u) << "the caller holds the only reference";
    IClassFactory* factory = nullptr;
    ASSERT_EQ(unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(factory), unknown);
    EXPECT_EQ(factory->Release(), 2u);
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(dll.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(unknown->Release(), 0u);
}

TEST_F(ComServer, EveryRequestGetsItsOwnFactory) {
    IClassFactory *first = nullptr, *second = nullptr;
    ASSERT_EQ(dll.GetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&first)), S_OK);
    ASSERT_EQ(dll.GetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&second)), S_OK);
    EXPECT_NE(first, second);
    first->Release();
    EXPECT_EQ(dll.CanUnloadNow(), S_FALSE) << "the second factory is still held";
    second->Release();
}

TEST_F(ComServer, CreateInstanceRules) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(dll.GetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);

    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IUnknown, &pv), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(pv, nullptr);
    pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &pv), E_NOINTERFACE);
    EXPECT_EQ(pv, nullptr);

    EXPECT_EQ(factory->LockServer(TRUE), E_NOTIMPL);
    EXPECT_EQ(factory->LockServer(FALSE), E_NOTIMPL);

    IShellPropSheetExt* ext = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext)), S_OK);
    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(dll.CanUnloadNow(), S_FALSE) << "the extension object keeps the module";
    EXPECT_EQ(ext->Release(), 0u);
    EXPECT_EQ(dll.CanUnloadNow(), S_OK) << "LockServer must not have kept the module";
}

TEST_F(ComServer, ExtensionHasTwoFacesOneCountOneIdentity) {
    IShellPropSheetExt* sheetExt = nullptr;
    ASSERT_EQ(dll.CreateExtension(IID_IShellPropSheetExt, reinterpret_cast<void**>(&sheetExt)), S_OK);
    IShellExtInit* init = nullptr;
    ASSERT_EQ(sheetExt->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
    EXPECT_NE(static_cast<void*>(init), static_cast<void*>(sheetExt));

    IUnknown *viaFirst = nullptr, *viaSecond = nullptr;
    ASSERT_EQ(sheetExt->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaFirst)), S_OK);
    ASSERT_EQ(init->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaSecond)), S_OK);
    EXPECT_EQ(viaFirst, static_cast<IUnknown*>(sheetExt));
    EXPECT_EQ(viaSecond, static_cast<IUnknown*>(sheetExt));
    viaFirst->Release();
    viaSecond->Release();

    void* pv = reinterpret_cast<void*>(1);
    EXPECT_EQ(init->QueryInterface(IID_IClassFactory, &pv), E_NOINTERFACE);
    EXPECT_EQ(pv, nullptr);

    EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), S_OK);
    // With a data object as the shell passes one (its desktop's), no reference to it stays.
    IShellFolder* desktop = nullptr;
    ASSERT_EQ(::SHGetDesktopFolder(&desktop), S_OK);
    LPITEMIDLIST pidlDesktop = nullptr;
    ASSERT_EQ(::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &pidlDesktop), S_OK);
    IDataObject* data = nullptr;
    LPCITEMIDLIST items[] = { pidlDesktop };
    ASSERT_EQ(desktop->GetUIObjectOf(nullptr, 1, items, IID_IDataObject, nullptr, reinterpret_cast<void**>(&data)), S_OK);
    const ULONG refsBefore = data->AddRef() - 1;
    data->Release();
    EXPECT_EQ(init->Initialize(pidlDesktop, data, nullptr), S_OK);
    EXPECT_EQ(data->Release(), refsBefore - 1) << "the extension kept a reference";
    ::CoTaskMemFree(pidlDesktop);
    desktop->Release();
    EXPECT_EQ(sheetExt->ReplacePage(0, nullptr, 0), E_FAIL);

    // References taken through one face and dropped through the other balance.
    EXPECT_EQ(init->AddRef(), 3u);
    EXPECT_EQ(sheetExt->Release(), 2u);
    EXPECT_EQ(init->Release(), 1u);
    EXPECT_EQ(dll.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(init->Release(), 0u);
}

// The same code, compiled into this program, with the heap made to fail.
TEST(ComServerMemory, ExhaustedHeapLeavesNothingBehind) {
    const LONG before = g_nLiveObjects;
    void* pv = reinterpret_cast<void*>(1);
    HeapLedger::FailNextAllocation(sizeof(CPageClassFactory));
    EXPECT_EQ(DllGetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, &pv), E_OUTOFMEMORY);
    EXPECT_EQ(pv, nullptr);
    EXPECT_EQ(g_nLiveObjects, before);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(DllGetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(g_nLiveObjects, before + 1);
    pv = reinterpret_cast<void*>(1);
    HeapLedger::FailNextAllocation(sizeof(CDisplayShellExt));
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IShellPropSheetExt, &pv), E_OUTOFMEMORY);
    EXPECT_EQ(pv, nullptr);
    EXPECT_EQ(g_nLiveObjects, before + 1);
    factory->Release();
    EXPECT_EQ(g_nLiveObjects, before);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

}  // namespace
