// CConfirmRateDlg: asks whether to keep a refresh rate just put in force. Ends with IDOK only on
// "Yes"; "No", Esc, the close box and ten seconds without an answer end it with IDCANCEL, so a
// rate that leaves the screen unreadable comes back by itself.
#pragma once
#include "framework/Dialog.h"

class CConfirmRateDlg : public CDialog {
public:
    explicit CConfirmRateDlg(CWnd* pParent);

    static constexpr UINT kTimeoutTimerID = 1;
    static constexpr UINT kTimeoutMs = 10000;

protected:
    // Starts the time-out as the dialog opens; the exchange on "Yes" leaves it alone.
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR nIDEvent);

    int m_nTimerID;

    DECLARE_MESSAGE_MAP()
};
