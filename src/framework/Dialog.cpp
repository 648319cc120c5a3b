#include "Dialog.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, CDialog::OnOK)
    ON_COMMAND(IDCANCEL, CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {
// The dialog about to be created on this (the only user-interface) thread.
CDialog* g_pDialogToAttach = nullptr;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}

void CDialog::PrepareToAttach() { g_pDialogToAttach = this; }

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
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    // A modal dialog placed at the origin of its template opens centred over its owner.
    if (m_bModal && !(::GetWindowLongA(m_hWnd, GWL_STYLE) & DS_CENTER)) {
        HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
        RECT rcOwner, rcDlg;
        if (hOwner) ::GetWindowRect(hOwner, &rcOwner);
        else ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcOwner, 0);
        ::GetWindowRect(m_hWnd, &rcDlg);
        const int w = rcDlg.right - rcDlg.left, h = rcDlg.bottom - rcDlg.top;
        ::SetWindowPos(m_hWnd, nullptr, rcOwner.left + (rcOwner.right - rcOwner.left - w) / 2,
                       rcOwner.top + (rcOwner.bottom - rcOwner.top - h) / 2, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
        pDlg->SubclassWindow(hWnd);
    }
    if (message != WM_INITDIALOG) return FALSE;
    auto* pDlg = static_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDlg ? pDlg->OnInitDialog() : TRUE;
}
