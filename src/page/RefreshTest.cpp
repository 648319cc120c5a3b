// The refresh test of the settings page: the slider's rate goes live, the user has ten seconds
// to keep it, and otherwise the old rate comes back.
#include "DialogDlg.h"
#include "driver/DriverEscape.h"
#include "page/ConfirmRateDlg.h"
#include "framework/ResourceText.h"
#include "res/resource.h"
#include "settings/AdapterSettings.h"

namespace {

// The mode change took effect, or will at the next start: either way it is there to keep or
// to take back.
bool Changed(LONG nResult) { return nResult == DISP_CHANGE_SUCCESSFUL || nResult == DISP_CHANGE_RESTART; }

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
    const LONG nResult = SwitchTo(tested, original);
    BOOL bKept = FALSE;
    if (Changed(nResult)) {
        CConfirmRateDlg dlg(this);
        bKept = dlg.DoModal() == IDOK;
    }
    if (bKept) {
        m_currentMode = tested;
    } else {
        escape.SetRefresh(original.refreshRate);
        // A change that failed left the old mode in force: there is nothing to switch back.
        const LONG nBack = Changed(nResult) ? SwitchTo(original, tested) : DISP_CHANGE_SUCCESSFUL;
        if (Changed(nBack)) {
            m_currentMode = original;
            SyncSliderToMode();
            if (Changed(nResult)) {
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

LONG CDialogDlg::SwitchTo(const DisplayMode& mode, const DisplayMode& from) {
    // Another page opened behind a box may have replaced the settings object meanwhile.
    return g_pAdapterSettings ? g_pAdapterSettings->SwitchMode(&mode, &from) : DISP_CHANGE_FAILED;
}
