// The whole shell path: the package installed from its INF as a user installs it, the Display
// Properties sheet built by shell32 from the registered handlers, the page used, and the module
// let go.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <memory>
#include <string>
#include "AdapterRegistry.h"
#include "ChildProcess.h"
#include "DisplaySheet.h"
#include "ImportPatch.h"
#include "MessagePump.h"
#include "ResourceLedger.h"
#include "ScriptedUser.h"
#include "VirtualAdapter.h"
#include "com/ComIds.h"
#include "com/ComServer.h"
#include "res/resource.h"

namespace {

const char kServerKey[] = "CLSID\\{545C341E-C432-4F2B-85B4-83DD2FDBA624}\\InprocServer32";

// The DLL as the user's install left it: the file the registration names.
std::string InstalledDll() { return ReadRegistryString(HKEY_CLASSES_ROOT, kServerKey, nullptr); }

// Notes the extension objects the module's class factories make, whoever asks for them, so
// that the reference Wine's shell32 never gives back can be told apart from one the module keeps.
// All factories share one function table; its CreateInstance slot is watched.
struct CreatedObjects {
    explicit CreatedObjects(const char* dllPath) : module(::LoadLibraryA(dllPath)) {
        auto getClassObject = reinterpret_cast<decltype(&DllGetClassObject)>(::GetProcAddress(module, "DllGetClassObject"));
        IClassFactory* factory = nullptr;
        if (!getClassObject || FAILED(getClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
            return;
        slot = &(*reinterpret_cast<void***>(factory))[3];
        factory->Release();
        s_self = this;
        original = *slot;
        Write(reinterpret_cast<void*>(&CreateInstance));
    }
    ~CreatedObjects() {
        if (slot) Write(original);
        s_self = nullptr;
        if (module) ::FreeLibrary(module);
    }
    void Write(void* value) {
        DWORD protect;
        ::VirtualProtect(slot, sizeof value, PAGE_READWRITE, &protect);
        *slot = value;
        ::VirtualProtect(slot, sizeof value, protect, &protect);
    }
    static HRESULT STDMETHODCALLTYPE CreateInstance(IClassFactory* self, IUnknown* outer, REFIID iid, void** ppv) {
        using Fn = HRESULT(STDMETHODCALLTYPE*)(IClassFactory*, IUnknown*, REFIID, void**);
        const HRESULT hr = reinterpret_cast<Fn>(s_self->original)(self, outer, iid, ppv);
        if (SUCCEEDED(hr)) s_self->objects.push_back(static_cast<IUnknown*>(*ppv));
        return hr;
    }
    HMODULE module;
    void** slot = nullptr;
    void* original = nullptr;
    std::vector<IUnknown*> objects;
    static CreatedObjects* s_self;
};
CreatedObjects* CreatedObjects::s_self = nullptr;

bool RunningOnWine() { return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

class ShellPath : public ::testing::Test {
protected:
    // Installed once, afresh, from the package folder, so the system folder holds this build's DLL.
    static void SetUpTestSuite() {
        const std::string inf = PackageFolder() + "\\TAVROLIN.INF";
        RunInfSection("DefaultUninstall", inf);
        RunInfSection("DefaultInstall", inf);
    }
    void SetUp() override {
        ::CoInitialize(nullptr);
        adapterRegistry.RemoveAll();
        adapterRegistry.Install();
        char system[MAX_PATH];
        ::GetSystemDirectoryA(system, MAX_PATH);
        ASSERT_EQ(::lstrcmpiA(InstalledDll().c_str(), (std::string(system) + "\\TAVROLIN.DLL").c_str()), 0)
            << "registered: " << InstalledDll();
    }
    void TearDown() override {
        adapterRegistry.RemoveAll();
        ::CoUninitialize();
    }
    std::string Value(const char* name) { return ReadRegistryString(HKEY_LOCAL_MACHINE, adapterRegistry.ValuesKey(), name); }
    AdapterRegistry adapterRegistry;
};

TEST_F(ShellPath, PageChangesASettingAndTheModuleCanUnload) {
    CreatedObjects created(InstalledDll().c_str());
    ASSERT_NE(created.slot, nullptr);
    DisplaySheet sheet;
    ASSERT_TRUE(sheet.LoadHandlers());
    HMODULE dll = ::GetModuleHandleA("tavrolin.dll");
    ASSERT_NE(dll, nullptr) << "shell32 did not load the registered handler";
    auto canUnloadNow = reinterpret_cast<HRESULT(WINAPI*)()>(::GetProcAddress(dll, "DllCanUnloadNow"));
    VirtualAdapter adapter;
    ASSERT_TRUE(adapter.Plug(dll));
    auto ledger = std::make_unique<ResourceLedger>(dll);
    ScriptedUser user(dll);
    user.Answer(IDNO);  // the restart question

    // The shell's modal sheet; the user acts from inside its loop, where the boxes nest.
    std::vector<std::string> tabs;
    LRESULT normal = 0;
    ASSERT_TRUE(sheet.Run("Tavrolin", [&](HWND hSheet) {
        tabs = SheetTabCaptions(hSheet);
        HWND page = PropSheet_GetCurrentPageHwnd(hSheet);
        normal = ::SendDlgItemMessageA(page, IDC_NORMAL, BM_GETCHECK, 0, 0);
        ::SendDlgItemMessageA(page, IDC_FAST, BM_CLICK, 0, 0);
        ::SendDlgItemMessageA(hSheet, 0x3021 /* Apply */, BM_CLICK, 0, 0);
        PumpPending();
        PropSheet_PressButton(hSheet, PSBTN_CANCEL);
    }));
    EXPECT_EQ(tabs, (std::vector<std::string>{ "Settings", "Tavrolin" }));
    EXPECT_EQ(normal, BST_CHECKED) << "\"70\" is Normal";
    EXPECT_EQ(Value("MCLK"), "77");
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].caption, "Display Properties");
    EXPECT_TRUE(user.exits.empty()) << "No means no restart";
    sheet.Close();
    EXPECT_TRUE(ledger->Balanced()) << ledger->Report();
    ledger.reset();
    EXPECT_EQ(Value("MCLK"), "77") << "Cancel after Apply keeps what was applied";
    EXPECT_EQ(Value("RefreshRate"), "60");

    // Wine's shell32 (SHCreatePropSheetExtArrayEx) asks each extension for IShellExtInit and,
    // when Initialize succeeds, never releases that interface: the one reference it leaves. Give
    // it back through that face for it, and the module must then be free to go.
    if (canUnloadNow() == S_FALSE && RunningOnWine()) {
        ASSERT_EQ(created.objects.size(), 1u) << "shell32 made one extension object";
        IShellExtInit* init = nullptr;
        ASSERT_EQ(created.objects[0]->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
        EXPECT_EQ(init->Release(), 1u) << "exactly one reference was left behind";
        EXPECT_EQ(init->Release(), 0u);
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(ShellPath, NoPageWithoutTheAdaptersDriver) {
    DisplaySheet sheet;
    ASSERT_TRUE(sheet.LoadHandlers());
    VirtualAdapter adapter;
    adapter.escapeSupport = 0;
    ASSERT_TRUE(adapter.Plug(::GetModuleHandleA("tavrolin.dll")));
    std::vector<std::string> tabs;
    ASSERT_TRUE(sheet.Run(nullptr, [&](HWND hSheet) {
        tabs = SheetTabCaptions(hSheet);
        PropSheet_PressButton(hSheet, PSBTN_CANCEL);
    }));
    EXPECT_EQ(tabs, (std::vector<std::string>{ "Settings" }));
}

TEST_F(ShellPath, KeptRateIsInForceWhenTheHostRunsAgain) {
    const std::string host = "\"" + ProgramFolder() + "\\display-properties.exe\"";
    std::string output;
    ASSERT_EQ(RunProgram(host + " --current 60 --select-rate 75 --refresh-test --answer yes", &output), 0) << output;
    EXPECT_NE(output.find("rate in force: 75 Hz"), std::string::npos) << output;
    ASSERT_EQ(RunProgram(host + " --report-rate", &output), 0) << output;
    EXPECT_NE(output.find("rate shown: 75 Hz"), std::string::npos) << output;

    ASSERT_EQ(RunProgram(host + " --select-rate 85 --refresh-test --answer no", &output), 0) << output;
    EXPECT_NE(output.find("rate in force: 75 Hz"), std::string::npos) << "a declined rate is not kept\n" << output;

    // The stand-in knows the page's rates by the page's own rule: none past a negative one.
    EXPECT_EQ(RunProgram(host + " --rates 60,75,-5,85 --select-rate 85", &output), 1) << output;
    // tools/demo shares the prefix: its next run starts from the stand-in's own default again.
    DeleteRegistryTree(HKEY_CURRENT_USER, "Software\\Tavrolin");
}

}  // namespace
