#include "PageTimings.h"
#include <vector>
#include "CallCounts.h"
#include "Require.h"
#include "Timing.h"
#include "MessagePump.h"
#include "Ui.h"
#include "page/DialogDlg.h"
#include "res/resource.h"

namespace {

struct PageClocks {
    Stopwatch creation, handlers;
    CallCounter* pCounter = nullptr;  // armed for the handlers, when there is one
};

class TimedPage : public CDialogDlg {
public:
    explicit TimedPage(PageClocks& clocks) : m_clocks(clocks), m_pfnPageCallback(m_psp.pfnCallback) {
        m_psp.pfnCallback = &Callback;
    }

protected:
    BOOL OnInitDialog() override {
        BeginHandler();
        const BOOL result = CDialogDlg::OnInitDialog();
        EndHandler();
        return result;
    }
    BOOL OnSetActive() override {
        BeginHandler();
        const BOOL result = CDialogDlg::OnSetActive();
        EndHandler();
        m_clocks.creation.Stop();
        return result;
    }

private:
    void BeginHandler() {
        m_clocks.handlers.Start();
        if (m_clocks.pCounter) m_clocks.pCounter->Arm(true);
    }
    void EndHandler() {
        if (m_clocks.pCounter) m_clocks.pCounter->Arm(false);
        m_clocks.handlers.Stop();
    }

    static UINT CALLBACK Callback(HWND hWnd, UINT uMsg, LPPROPSHEETPAGEA ppsp) {
        auto* self = static_cast<TimedPage*>(reinterpret_cast<CPropertyPage*>(ppsp->lParam));
        if (uMsg == PSPCB_CREATE) self->m_clocks.creation.Start();
        // The framework's callback, which may delete the page on release: nothing after it.
        return self->m_pfnPageCallback(hWnd, uMsg, ppsp);
    }

    PageClocks& m_clocks;
    const LPFNPSPCALLBACKA m_pfnPageCallback;
};

// The plain page's procedures: the clock runs from PSPCB_CREATE to PSN_SETACTIVE, and nothing else
// is done.
UINT CALLBACK PlainPageCallback(HWND, UINT uMsg, LPPROPSHEETPAGEA ppsp) {
    if (uMsg == PSPCB_CREATE) reinterpret_cast<Stopwatch*>(ppsp->lParam)->Start();
    return 1;
}

INT_PTR CALLBACK PlainPageProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongA(hDlg, DWL_USER, reinterpret_cast<LPPROPSHEETPAGEA>(lParam)->lParam);
        return TRUE;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(PSN_SETACTIVE))
        reinterpret_cast<Stopwatch*>(::GetWindowLongA(hDlg, DWL_USER))->Stop();
    return FALSE;
}

double TimePlainPage() {
    Stopwatch clock;
    PROPSHEETPAGEA psp = {};
    psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    psp.dwFlags = PSP_USECALLBACK;
    psp.hInstance = ::GetModuleHandleA(nullptr);
    psp.pszTemplate = MAKEINTRESOURCEA(IDD_SETTINGS_PAGE);
    psp.pfnDlgProc = &PlainPageProc;
    psp.pfnCallback = &PlainPageCallback;
    psp.lParam = reinterpret_cast<LPARAM>(&clock);
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&psp);
    Require(hPage != nullptr, "CreatePropertySheetPageA failed for the plain page");
    ::DestroyWindow(CreateSheet(hPage));
    PumpPending();
    Require(clock.Microseconds() > 0, "the sheet did not activate the plain page");
    return clock.Microseconds();
}

// Shows the page in a sheet once and closes it again.
void ShowPage(PageClocks& clocks) {
    auto* page = new TimedPage(clocks);
    HPROPSHEETPAGE hPage = page->CreatePageHandle();
    Require(hPage != nullptr, "CreatePropertySheetPageA failed");
    ::DestroyWindow(CreateSheet(hPage));
    PumpPending();
    Require(clocks.creation.Microseconds() > 0, "the sheet did not activate its page");
}

}  // namespace

PageTimes TimePageActivation(VirtualAdapter& adapter, int runs) {
    Require(adapter.Plug(::GetModuleHandleA(nullptr)), "the adapter could not be plugged into the benchmark");
    std::vector<double> creation, handlers, plain;
    for (int i = -runs / 10; i < runs; ++i) {
        PageClocks clocks;
        ShowPage(clocks);
        const double plainPage = TimePlainPage();
        if (i < 0) continue;  // warming up
        creation.push_back(clocks.creation.Microseconds());
        handlers.push_back(clocks.handlers.Microseconds());
        plain.push_back(plainPage);
    }
    adapter.Unplug();
    return { Median(creation), Median(handlers), Median(plain) };
}

std::vector<CallCount> CountPageActivationCalls(VirtualAdapter& adapter) {
    Require(adapter.Plug(::GetModuleHandleA(nullptr)), "the adapter could not be plugged into the benchmark");
    std::vector<CallCount> counts;
    {
        // Over the adapter's hook, so that the escapes it answers are counted too.
        CallCounter counter(::GetModuleHandleA(nullptr));
        PageClocks clocks;
        clocks.pCounter = &counter;
        ShowPage(clocks);
        counts = counter.Counts();
    }
    adapter.Unplug();
    return counts;
}
