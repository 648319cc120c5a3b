// The refresh test of the settings page: the slider's rate goes live, the user has ten seconds
// to keep it, and otherwise the old rate comes back.
#include "DialogDlg.h"
#include "driver/DriverEscape.h"
#include "page/ConfirmRateDlg.h"
#include "framework/ResourceText.h"
#include "res/resource.h"
#include "settings/AdapterSettings.h"

void CDialogDlg::RunRefreshTest() {
    // The boxes have no owner, so the page can be clicked behind them: one test at a time.
    if (m_bTestRunning) return;
    m_bTestRunning = TRUE;
    m_bCancelledInTest = FALSE;
    // The rate asked for now is the one tried, even if the page is shown anew behind the
    // warning and its slider goes back to the rate in force.
    const int nNewRate = GetSelectedMode().refreshRate;
    const CResourceText caption(IDS_CAPTION), warning(IDS_REFRESH_WARNING);
    // Only an explicit OK starts it: a box that could not be shown changes nothing either, nor
    // does a sheet cancelled meanwhile.
    if (::MessageBoxA(nullptr, warning, caption, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK || m_bCancelledInTest) {
        m_bTestRunning = FALSE;
        return;
    }
    // The resolution may have changed on another page while the warning was up: the mode tried
    // is the one in force now with the new rate, so that only the rate changes.
    const DisplayMode tested(m_currentMode.bitsPerPixel, m_currentMode.width, m_currentMode.height, nNewRate);

    CDriverEscape escape(nullptr);
    // The driver learns the rate first, then the mode change puts it in force.
    escape.SetRefresh(nNewRate);
    if (g_pAdapterSettings) g_pAdapterSettings->SwitchMode(&tested, &m_currentMode);

    CConfirmRateDlg dlg(this);
    if (dlg.DoModal() == IDOK) {
        m_currentMode.refreshRate = nNewRate;
    } else {
        escape.SetRefresh(m_currentMode.refreshRate);
        if (g_pAdapterSettings) g_pAdapterSettings->SwitchMode(&m_currentMode, &tested);
        SyncSliderToMode();
        const CResourceText notice(IDS_REFRESH_RESTORED);
        ::MessageBoxA(nullptr, notice, caption, MB_OK | MB_ICONINFORMATION);
    }
    // Whatever the answer, the rate in force is taken anew: OK and Apply try nothing more
    // until the user moves the slider again.
    TakeRateInForce();
    UpdateRefreshTestButton();
    m_bTestRunning = FALSE;
}
