// A whole session with the shipped DLL, as a user has it on a Windows 95 that is short of
// resources: the Display Properties sheet shown modally as the shell shows it, a screen reader
// reading the slider, a refresh test declined, another tab and back, a test kept, a setting
// applied, OK; then the handler let go. It runs once with every call going through, then once
// for each call that session made, with that one call failing. Whatever fails, nothing crashes
// or hangs, everything taken is given back, the module can unload, "RefreshRate" keeps what it
// held, and the display ends at a rate the user kept.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>
#include "AdapterRegistry.h"
#include "DialogDriver.h"
#include "DisplaySheet.h"
#include "FaultInjector.h"
#include "MessagePump.h"
#include "ProductDll.h"
#include "ResourceLedger.h"
#include "ScriptedUser.h"
#include "VirtualAdapter.h"
#include "res/resource.h"

namespace {

constexpr int kStartRate = 72;
constexpr int kKeptRate = 75;
// Longer than anything a session waits for by itself, shorter than the confirmation's own
// ten seconds: a dialog still open then can no longer be answered.
constexpr UINT kStuckMs = 3000;

// What went wrong in one session, for the report.
struct Session {
    std::vector<std::string> problems;
    bool keptSaidYes = false;  // the user answered Yes when asked to keep the kept rate
    long calls = 0;
    std::string failed;
};

Session* g_pSession = nullptr;

// Dialogs open at the watchdog's last look.
std::vector<HWND> g_lastSeen;

BOOL CALLBACK CollectDialogs(HWND hWnd, LPARAM lParam) {
    char cls[16] = {};
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (std::string(cls) == "#32770" && ::IsWindowVisible(hWnd)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

// Ends a dialog that could not be answered, or else a sheet that would not close, and says so:
// one still open at two looks in a row.
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
    std::vector<HWND> seen, stuck;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectDialogs, reinterpret_cast<LPARAM>(&seen));
    for (HWND hWnd : seen)
        if (std::find(g_lastSeen.begin(), g_lastSeen.end(), hWnd) != g_lastSeen.end()) stuck.push_back(hWnd);
    g_lastSeen = seen;
    // A sheet waits for the dialogs it owns.
    std::stable_partition(stuck.begin(), stuck.end(), [](HWND hWnd) { return !PropSheet_GetTabControl(hWnd); });
    if (stuck.empty()) return;
    HWND hWnd = stuck.front();
    char caption[64] = {};
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    g_pSession->problems.push_back("\"" + std::string(caption) + "\" stuck for " + std::to_string(kStuckMs) + " ms");
    if (PropSheet_GetTabControl(hWnd)) ::DestroyWindow(hWnd);
    else ::EndDialog(hWnd, IDCANCEL);
}

// Moves the slider to pos and runs a refresh test there; back when the test is over.
void TryRate(HWND hPage, int pos) {
    DialogDriver::DragSlider(::GetDlgItem(hPage, IDC_REFRESH_SLIDER), pos);
    HWND hButton = ::GetDlgItem(hPage, IDC_REFRESH_TEST);
    if (::IsWindowEnabled(hButton)) ::SendMessageA(hButton, BM_CLICK, 0, 0);
}

// What a user of the sheet does, from inside its modal loop.
void UseTheSheet(HWND hSheet, Session& session) {
    // Asked to keep a rate, the user says No, except to the one rate kept.
    int answer = IDCANCEL;
    DialogDriver confirmations;
    confirmations.Otherwise([&](HWND hDlg) {
        session.keptSaidYes |= answer == IDOK;
        DialogDriver::Click(answer)(hDlg);
    });
    HWND hPage = SelectSheetPage(hSheet, "Tavrolin");
    if (hPage) {
        // A screen reader reads the slider.
        IAccessible* pSlider = nullptr;
        if (::AccessibleObjectFromWindow(::GetDlgItem(hPage, IDC_REFRESH_SLIDER), OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&pSlider)) == S_OK) {
            VARIANT self = {};
            self.vt = VT_I4;
            BSTR value = nullptr;
            if (pSlider->get_accValue(self, &value) == S_OK) ::SysFreeString(value);
            pSlider->Release();
        }
        TryRate(hPage, 4);  // 85 Hz, declined
        SelectSheetPage(hSheet, "Settings");
        SelectSheetPage(hSheet, "Tavrolin");
        answer = IDOK;
        TryRate(hPage, 3);  // 75 Hz, kept
        answer = IDCANCEL;
        ::SendDlgItemMessageA(hPage, IDC_FAST, BM_CLICK, 0, 0);
        ::SendDlgItemMessageA(hSheet, 0x3021 /* Apply */, BM_CLICK, 0, 0);
        PumpPending();
    }
    PropSheet_PressButton(hSheet, PSBTN_OK);
}

// One session with call number failAt failing (-1: none).
Session RunSession(long failAt) {
    Session session;
    g_pSession = &session;
    AdapterRegistry adapterRegistry;
    adapterRegistry.RemoveAll();
    adapterRegistry.Seed(AdapterRegistry::Values{ { "EnhPer", "0" }, { "MCLK", "70" }, { "RefreshRate", "72" } });
    ProductDll dll;
    if (!dll.Module()) {
        session.problems.push_back("tavrolin.dll did not load");
        return session;
    }
    HRESULT canUnload = S_FALSE;
    {
        VirtualAdapter adapter;
        adapter.rates = { 60, 70, 72, 75, 85 };
        adapter.currentRate = kStartRate;
        adapter.Plug(dll.Module());
        ScriptedUser user(dll.Module());
        user.onBox = [&](const ScriptedUser::Box& box) {
            // OK to the warning and the notices; No to every restart.
            user.Answer((box.type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK);
        };
        ResourceLedger ledger(dll.Module());
        {
            FaultInjector faults(dll.Module(), failAt);
            g_lastSeen.clear();
            const UINT_PTR watchdog = ::SetTimer(nullptr, 0, kStuckMs, &Watchdog);
            IShellPropSheetExt* pHandler = nullptr;
            if (dll.CreateExtension(IID_IShellPropSheetExt, reinterpret_cast<void**>(&pHandler)) == S_OK) {
                DisplaySheet sheet;
                sheet.UseHandler(pHandler);
                sheet.Run(nullptr, [&](HWND hSheet) { UseTheSheet(hSheet, session); });
                sheet.Close();
            }
            ::KillTimer(nullptr, watchdog);
            session.calls = faults.Calls();
            session.failed = faults.Failed();
        }
        PumpPending();
        if (!ledger.Balanced() || ledger.LiveHeapBlocks()) session.problems.push_back("not given back: " + ledger.Report());
        if (!user.exits.empty()) session.problems.push_back("Windows was restarted");

        const std::string stored = ReadRegistryString(HKEY_LOCAL_MACHINE, adapterRegistry.ValuesKey(), "RefreshRate");
        if (stored != "72") session.problems.push_back("\"RefreshRate\" left at \"" + stored + "\"");
        // The screen, the driver and the setting for the next start agree on a rate the user kept.
        const int onScreen = adapter.currentRate;
        if (onScreen != kStartRate && !(onScreen == kKeptRate && session.keptSaidYes))
            session.problems.push_back("left at " + std::to_string(onScreen) + " Hz, which the user did not keep");
        if (adapter.ReportedRate() != onScreen || adapter.storedRate.value_or(onScreen) != onScreen)
            session.problems.push_back("the driver (" + std::to_string(adapter.ReportedRate()) + " Hz) or the next start (" +
                                       std::to_string(adapter.storedRate.value_or(onScreen)) + " Hz) differ from the screen");
        canUnload = dll.CanUnloadNow();
    }
    if (canUnload != S_OK) session.problems.push_back("DllCanUnloadNow did not answer S_OK");
    adapterRegistry.RemoveAll();
    g_pSession = nullptr;
    return session;
}

struct ComApartment {
    ComApartment() { ::CoInitialize(nullptr); }
    ~ComApartment() { ::CoUninitialize(); }
};

TEST(SessionFaults, EveryCallOfASessionFailingInTurnBreaksNothing) {
    const ComApartment com;
    const Session clean = RunSession(-1);
    EXPECT_TRUE(clean.problems.empty()) << clean.problems.front();
    EXPECT_TRUE(clean.keptSaidYes) << "the session reaches the kept rate";
    ASSERT_GT(clean.calls, 100) << "the session makes the calls a user's session makes";

    // SESSION_FAULT=n runs only the session in which call n fails.
    const char* only = std::getenv("SESSION_FAULT");
    std::vector<std::string> report;
    for (long n = 0; n < clean.calls; ++n) {
        if (only && std::atol(only) != n) continue;
        const Session session = RunSession(n);
        for (const std::string& problem : session.problems)
            report.push_back("call " + std::to_string(n) + " (" + session.failed + ") failing: " + problem);
    }
    std::printf("faults injected: %ld, one at a time\n", clean.calls);
    std::string text;
    for (const std::string& line : report) text += line + "\n";
    EXPECT_TRUE(report.empty()) << report.size() << " problems:\n" << text;
}

}  // namespace
