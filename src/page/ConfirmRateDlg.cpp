#include "ConfirmRateDlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CConfirmRateDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CConfirmRateDlg::CConfirmRateDlg(CWnd* pParent) : CDialog(IDD_CONFIRM_RATE, pParent), m_nTimerID(-1) {}

void CConfirmRateDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    if (m_nTimerID != -1) return;
    m_nTimerID = kTimeoutTimerID;
    // Without its time-out the dialog would wait for ever, perhaps on a screen nobody can read,
    // where Enter keeps the rate: it ends at once, as the time-out would.
    if (!::SetTimer(m_hWnd, kTimeoutTimerID, kTimeoutMs, nullptr)) EndDialog(IDCANCEL);
}

void CConfirmRateDlg::OnTimer(UINT_PTR nIDEvent) {
    if (static_cast<int>(nIDEvent) == m_nTimerID) {
        ::KillTimer(m_hWnd, nIDEvent);
        EndDialog(IDCANCEL);
    }
    CWnd::OnTimer(nIDEvent);
}
