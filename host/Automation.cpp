#include "Automation.h"
#include <commctrl.h>
#include <cstdio>
#include "MessagePump.h"
#include "ScreenCapture.h"

namespace {
Automation* g_pAutomation = nullptr;
constexpr UINT_PTR kCaptureTimer = 0x7A11;
// Time for a freshly opened dialog to be drawn before it is photographed.
constexpr UINT kCaptureDelayMs = 300;

// Control ids on the Tavrolin page.
constexpr int kSlider = 1005;
constexpr int kRefreshTest = 1027;

// Lets the sheet finish drawing: handles messages until none has come for a moment.
void DrainMessages(HWND hSheet) {
    for (int quiet = 0; quiet < 3;) {
        const bool any = PumpPending(hSheet);
        ::RedrawWindow(hSheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        quiet = any ? 0 : quiet + 1;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    }
}

// The smallest rectangle around both windows' screen rectangles.
RECT UnionOfWindows(HWND a, HWND b) {
    RECT ra, rb, result;
    ::GetWindowRect(a, &ra);
    ::GetWindowRect(b, &rb);
    ::UnionRect(&result, &ra, &rb);
    return result;
}

}  // namespace

void Automation::AnswerConfirmation(HWND hDlg) {
    if (m_script.screenshot.empty()) {
        if (m_script.answer != "none") DialogDriver::Click(m_script.answer == "yes" ? IDOK : IDCANCEL)(hDlg);
        return;
    }
    ::SetTimer(hDlg, kCaptureTimer, kCaptureDelayMs, &Automation::CaptureConfirmation);
}

void CALLBACK Automation::CaptureConfirmation(HWND hDlg, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hDlg, id);
    Automation* self = g_pAutomation;
    const RECT rc = UnionOfWindows(self->m_hSheet, hDlg);
    if (SaveScreenImage(rc, self->m_script.screenshot.c_str())) std::printf("%s\n", self->m_script.screenshot.c_str());
    else self->m_ok = false;
    if (self->m_script.answer != "none") DialogDriver::Click(self->m_script.answer == "yes" ? IDOK : IDCANCEL)(hDlg);
}

bool Automation::Run(HWND hSheet) {
    g_pAutomation = this;
    m_hSheet = hSheet;
    m_ok = Steps();
    DrainMessages(hSheet);
    PropSheet_PressButton(hSheet, m_script.apply ? PSBTN_OK : PSBTN_CANCEL);
    return m_ok;
}

bool Automation::Steps() {
    const HWND hSheet = m_hSheet;
    DrainMessages(hSheet);
    HWND hPage = SelectSheetPage(hSheet, "Tavrolin");
    HWND hSlider = hPage ? ::GetDlgItem(hPage, kSlider) : nullptr;
    if ((m_script.selectRate || m_script.refreshTest || m_script.reportRate) && !hSlider) return false;

    if (m_script.selectRate) {
        // The slider's positions stand for the driver's offered rates in order.
        const int index = m_script.IndexOf(m_script.selectRate);
        if (index < 0) return false;
        DialogDriver::DragSlider(hSlider, index);
    }
    if (m_script.refreshTest) {
        HWND hButton = ::GetDlgItem(hPage, kRefreshTest);
        if (!::IsWindowEnabled(hButton)) return false;
        m_driver.Then(DialogDriver::Click(IDOK));  // the warning
        m_driver.Then([this](HWND hDlg) { AnswerConfirmation(hDlg); });
        if (m_script.answer != "yes") m_driver.Then(DialogDriver::Click(IDOK));  // the notice
        ::SendMessageA(hButton, BM_CLICK, 0, 0);  // returns when the test is over
    } else if (!m_script.screenshot.empty()) {
        DrainMessages(hSheet);
        if (!SaveWindowImage(hSheet, m_script.screenshot.c_str())) return false;
        std::printf("%s\n", m_script.screenshot.c_str());
    }
    if (m_script.reportRate) {
        const int pos = static_cast<int>(::SendMessageA(hSlider, TBM_GETPOS, 0, 0));
        std::printf("rate shown: %d Hz\n", pos >= 0 && pos < static_cast<int>(m_script.rates.size()) ? m_script.rates[pos] : 0);
    }
    if (m_script.reportTabs) {
        std::string tabs;
        for (const std::string& caption : SheetTabCaptions(hSheet)) tabs += (tabs.empty() ? "" : ", ") + caption;
        std::printf("tabs: %s\n", tabs.c_str());
    }
    return m_ok;
}
