// The whole shell path: the DLL registered from its .reg file, the Display Properties sheet
// built by shell32 from the registered handlers, the page used, and the module let go.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include "AdapterRegistry.h"
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

std::string ProgramFolder() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

// Runs a program to its end (bounded), returning its exit code and what it printed.
int RunProgram(const std::string& commandLine, std::string* output = nullptr, DWORD timeoutMs = 60000) {
    SECURITY_ATTRIBUTES sa = { sizeof sa, nullptr, TRUE };
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ::CreatePipe(&readEnd, &writeEnd, &sa, 0);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi = {};
    std::string command = commandLine;
    const BOOL started = ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(writeEnd);
    if (!started) {
        ::CloseHandle(readEnd);
        return -1;
    }
    std::string text;
    char buffer[512];
    DWORD read = 0;
    while (::ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read) text.append(buffer, read);
    ::CloseHandle(readEnd);
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    if (output) *output = text;
    return static_cast<int>(code);
}

// Imports dist/tavrolin.reg with the path of the DLL beside this program, as an installer would.
bool RegisterFromRegFile() {
    std::ifstream in(TAVROLIN_SOURCE_DIR "/dist/tavrolin.reg");
    std::stringstream text;
    text << in.rdbuf();
    std::string reg = text.str();
    const std::string placeholder = "C:\\\\WINDOWS\\\\SYSTEM\\\\TAVROLIN.DLL";
    const size_t at = reg.find(placeholder);
    if (at == std::string::npos) return false;
    std::string dll = ProgramFolder() + "\\tavrolin.dll", escaped;
    for (char c : dll) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    reg.replace(at, placeholder.size(), escaped);

    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "tavrolin-test.reg";
    std::ofstream(file, std::ios::binary) << reg;
    return RunProgram("regedit.exe /S \"" + file + "\"") == 0 &&
           ReadRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{545C341E-C432-4F2B-85B4-83DD2FDBA624}\\InprocServer32", nullptr) == dll;
}

// Notes the extension objects the module's class factories make, whoever asks for them, so
// that a reference Wine's shell32 never gives back can be told apart from one the module keeps.
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
    void SetUp() override {
        ::CoInitialize(nullptr);
        adapterRegistry.RemoveAll();
        adapterRegistry.Install();
        ASSERT_TRUE(RegisterFromRegFile());
    }
    void TearDown() override {
        adapterRegistry.RemoveAll();
        ::CoUninitialize();
    }
    std::string Value(const char* name) { return ReadRegistryString(HKEY_LOCAL_MACHINE, adapterRegistry.ValuesKey(), name); }
    AdapterRegistry adapterRegistry;
};

TEST_F(ShellPath, PageChangesASettingAndTheModuleCanUnload) {
    CreatedObjects created((ProgramFolder() + "\\tavrolin.dll").c_str());
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

    ASSERT_NE(sheet.Show("Tavrolin"), nullptr);
    EXPECT_EQ(sheet.TabCaptions(), (std::vector<std::string>{ "Settings", "Tavrolin" }));
    HWND page = PropSheet_GetCurrentPageHwnd(sheet.Window());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(::SendDlgItemMessageA(page, IDC_NORMAL, BM_GETCHECK, 0, 0), BST_CHECKED) << "\"70\" is Normal";

    ::SendDlgItemMessageA(page, IDC_FAST, BM_CLICK, 0, 0);
    ::SendDlgItemMessageA(sheet.Window(), 0x3021 /* Apply */, BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(Value("MCLK"), "77");
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].caption, "Display Properties");
    EXPECT_TRUE(user.exits.empty()) << "No means no restart";

    PropSheet_PressButton(sheet.Window(), PSBTN_CANCEL);
    EXPECT_TRUE(PumpUntil([&] { return !sheet.IsOpen(); }));
    sheet.Close();
    EXPECT_TRUE(ledger->Balanced()) << ledger->Report();
    ledger.reset();
    EXPECT_EQ(Value("MCLK"), "77") << "Cancel after Apply keeps what was applied";
    EXPECT_EQ(Value("RefreshRate"), "60");

    // Wine's shell32 keeps one reference to each extension object it made; give that back
    // for it, and the module must then be free to go.
    if (canUnloadNow() == S_FALSE && RunningOnWine()) {
        ASSERT_EQ(created.objects.size(), 1u) << "shell32 made one extension object";
        EXPECT_EQ(created.objects[0]->Release(), 0u) << "exactly one reference was left behind";
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(ShellPath, NoPageWithoutTheAdaptersDriver) {
    DisplaySheet sheet;
    ASSERT_TRUE(sheet.LoadHandlers());
    VirtualAdapter adapter;
    adapter.escapeSupport = 0;
    ASSERT_TRUE(adapter.Plug(::GetModuleHandleA("tavrolin.dll")));
    ASSERT_NE(sheet.Show(), nullptr);
    EXPECT_EQ(sheet.TabCaptions(), (std::vector<std::string>{ "Settings" }));
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
}

}  // namespace
