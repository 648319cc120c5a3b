#include "ConfirmRateDlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CConfirmRateDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CConfirmRateDlg::CConfirmRateDlg(CWnd* pParent) : CDialog(IDD_CONFIRM_RATE, pParent), m_nTimerID(-1) {}

void CConfirmRateDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    if (m_nTimerID != -1) return;
    // Without a timer the dialog still works; it just waits for the user.
    m_nTimerID = kTimeoutTimerID;
    ::SetTimer(m_hWnd, kTimeoutTimerID, kTimeoutMs, nullptr);
}

void CConfirmRateDlg::OnTimer(UINT_PTR nIDEvent) {
    if (static_cast<int>(nIDEvent) == m_nTimerID) {
        ::KillTimer(m_hWnd, nIDEvent);
        EndDialog(IDCANCEL);
    }
    CWnd::OnTimer(nIDEvent);
}
