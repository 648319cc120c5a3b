#include "Dialog.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, CDialog::OnOK)
    ON_COMMAND(IDCANCEL, CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {
// The dialog about to be created. One pointer for the whole process is right only because the
// module's windows all live on one user-interface thread (the shell's); a second such thread
// could attach its window to the other thread's dialog.
CDialog* g_pDialogToAttach = nullptr;
// A modal dialog that could not be attached, until its WM_INITDIALOG ends it.
HWND g_hUnattachedModal = nullptr;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}

void CDialog::PrepareToAttach() {
    g_pDialogToAttach = this;
    m_bControlsBound = false;
}

void CDialog::CancelAttach() {
    if (g_pDialogToAttach == this) g_pDialogToAttach = nullptr;
}

INT_PTR CDialog::DoModal() {
    m_bModal = true;
    PrepareToAttach();
    const INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), m_lpszTemplateName,
                                             m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr,
                                             &FrameworkDialogProc, 0);
    CancelAttach();
    m_bModal = false;
    return result;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate, !m_bControlsBound);
    m_bControlsBound = true;
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::BindControls() {
    if (m_bControlsBound) return;
    CDataExchange dx(this, FALSE, TRUE, TRUE);
    m_bControlsBound = true;
    DoDataExchange(&dx);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    // A modal dialog placed at the origin of its template opens centred over its owner, and
    // wholly on the screen's work area, however near an edge the owner stands.
    if (m_bModal && !(::GetWindowLongA(m_hWnd, GWL_STYLE) & DS_CENTER)) {
        RECT rcWork, rcDlg;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
        RECT rcOwner = rcWork;
        if (HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER)) ::GetWindowRect(hOwner, &rcOwner);
        ::GetWindowRect(m_hWnd, &rcDlg);
        const int w = rcDlg.right - rcDlg.left, h = rcDlg.bottom - rcDlg.top;
        int x = rcOwner.left + (rcOwner.right - rcOwner.left - w) / 2;
        int y = rcOwner.top + (rcOwner.bottom - rcOwner.top - h) / 2;
        // The top left corner wins when the dialog is larger than the work area.
        if (x > rcWork.right - w) x = rcWork.right - w;
        if (x < rcWork.left) x = rcWork.left;
        if (y > rcWork.bottom - h) y = rcWork.bottom - h;
        if (y < rcWork.top) y = rcWork.top;
        ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK FrameworkDialogProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    // The first message the dialog procedure sees attaches the window to the waiting object;
    // from then on the object's subclassing procedure sees every message before this one does.
    if (g_pDialogToAttach && !CWnd::FromHandlePermanent(hWnd)) {
        CDialog* pDlg = g_pDialogToAttach;
        g_pDialogToAttach = nullptr;
        // A modal dialog without its object could never be answered: it ends as it opens, as
        // one that could not be created. A page simply shows without its behaviour.
        if (!pDlg->SubclassWindow(hWnd) && pDlg->m_bModal) g_hUnattachedModal = hWnd;
    }
    if (message != WM_INITDIALOG) return FALSE;
    if (hWnd == g_hUnattachedModal) {
        g_hUnattachedModal = nullptr;
        ::EndDialog(hWnd, -1);
        return FALSE;
    }
    auto* pDlg = static_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDlg ? pDlg->OnInitDialog() : TRUE;
}
