// The refresh test of the settings page: the slider's rate goes live, the user has ten seconds
// to keep it, and otherwise the old rate comes back.
#include "DialogDlg.h"
#include "driver/DriverEscape.h"
#include "page/ConfirmRateDlg.h"
#include "framework/ResourceText.h"
#include "res/resource.h"
#include "settings/AdapterSettings.h"

namespace {

// The mode is on the screen: the change worked, or (on the NT family) only recording it failed.
bool InForce(LONG nResult) { return nResult == DISP_CHANGE_SUCCESSFUL || nResult == DISP_CHANGE_NOTUPDATED; }

}  // namespace

void CDialogDlg::RunRefreshTest() {
    // The boxes have no owner, so the page can be clicked behind them: one test at a time.
    if (m_bTestRunning || !g_pAdapterSettings) return;
    m_bTestRunning = TRUE;
    m_bCancelledInTest = FALSE;
    // The rate asked for now is the one tried, even if the page is shown anew behind the
    // warning and its slider goes back to the rate in force.
    const int nNewRate = GetSelectedMode().refreshRate;
    const CResourceText caption(IDS_CAPTION), warning(IDS_REFRESH_WARNING);
    // Only an explicit OK to the warning starts it: a box that could not be shown or said
    // nothing changes nothing either, nor does a sheet cancelled meanwhile.
    if (!warning.GetLength() || ::MessageBoxA(nullptr, warning, caption, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK ||
        m_bCancelledInTest) {
        m_bTestRunning = FALSE;
        return;
    }
    // The test's own copy of the mode in force once the warning is answered (the resolution
    // may have changed on another page meanwhile). Every way back leads to it, whatever the
    // page learns from the driver behind the boxes that follow.
    const DisplayMode original = m_currentMode;
    const DisplayMode tested(original.bitsPerPixel, original.width, original.height, nNewRate);

    CDriverEscape escape(nullptr);
    // The driver learns the rate first, then the mode change puts it in force.
    escape.SetRefresh(nNewRate);
    const LONG nResult = SwitchTo(tested, original, FALSE);
    BOOL bKept = FALSE;
    if (nResult == DISP_CHANGE_RESTART) {
        // Recorded for the next start, not shown: there is nothing to try, and a restart into a
        // rate that leaves the screen dark has no way back. Only a deliberate Yes keeps it.
        const CResourceText confirm(IDS_CONFIRM), question(IDS_TEST_NEEDS_RESTART);
        bKept = question.GetLength() && ::MessageBoxA(nullptr, question, confirm, MB_YESNO | MB_DEFBUTTON2) == IDYES &&
                !m_bCancelledInTest;
    } else if (InForce(nResult)) {
        CConfirmRateDlg dlg(this);
        bKept = dlg.DoModal() == IDOK;
    }
    if (bKept) {
        m_currentMode = tested;
        if (nResult == DISP_CHANGE_RESTART) {
            m_bRestartChosen = TRUE;
            ::ExitWindowsEx(EWX_REBOOT, 0);
        }
    } else {
        escape.SetRefresh(original.refreshRate);
        // A change that failed left the old mode in force: there is nothing to switch back. One
        // that waits for a restart only recorded the new mode: the old one is recorded again,
        // and being on the screen still, it needs no restart.
        LONG nBack = DISP_CHANGE_SUCCESSFUL;
        if (InForce(nResult)) nBack = SwitchTo(original, tested);
        else if (nResult == DISP_CHANGE_RESTART) SwitchTo(original, tested, FALSE);
        if (InForce(nBack) || nBack == DISP_CHANGE_RESTART) {
            m_currentMode = original;
            SyncSliderToMode();
            if (InForce(nResult)) {
                const CResourceText notice(IDS_REFRESH_RESTORED);
                ::MessageBoxA(nullptr, notice, caption, MB_OK | MB_ICONINFORMATION);
            }
        } else {
            // The tested rate stayed in force, and the failure has been shown: the driver is
            // told so again, and the page shows that rate as the one in force.
            escape.SetRefresh(nNewRate);
            m_currentMode = tested;
        }
    }
    // Whatever the answer, the thumb counts as untouched again: OK and Apply try nothing more
    // until the user moves the slider.
    MarkThumbUntouched();
    UpdateRefreshTestButton();
    m_bTestRunning = FALSE;
}

LONG CDialogDlg::SwitchTo(const DisplayMode& mode, const DisplayMode& from, BOOL bOfferRestart) {
    // Another page opened behind a box may have replaced the settings object meanwhile.
    return g_pAdapterSettings ? g_pAdapterSettings->SwitchMode(&mode, &from, bOfferRestart) : DISP_CHANGE_FAILED;
}
