#include "PropertyPage.h"
#include <cstring>
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate) : CDialog(nIDTemplate) {
    std::memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = m_lpszTemplateName;
    m_psp.pfnDlgProc = &FrameworkDialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = &CPropertyPage::PageCallback;
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT uMsg, LPPROPSHEETPAGEA ppsp) {
    auto* pPage = reinterpret_cast<CPropertyPage*>(ppsp->lParam);
    switch (uMsg) {
    case PSPCB_CREATE:
        pPage->PrepareToAttach();
        return TRUE;
    case PSPCB_RELEASE:
        // The sheet is done with the handle. Wine has destroyed the page's window by now, but no
        // order is promised: a window still there is destroyed with the page object.
        pPage->CancelAttach();
        if (pPage->m_bAutoDelete) delete pPage;
        return 0;
    }
    return 0;
}

HPROPSHEETPAGE CPropertyPage::CreatePageHandle() {
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(reinterpret_cast<LPCPROPSHEETPAGEA>(&m_psp));
    if (hPage) m_bAutoDelete = TRUE;
    return hPage;
}

void CPropertyPage::SetModified(BOOL bChanged) {
    ::SendMessageA(GetParent(), bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnInitDialog() {
    BindControls();
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

// A page never ends a dialog of its own: the sheet owns OK and Cancel.
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    switch (pHdr->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        *pResult = 0;
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        return TRUE;
    }
    return FALSE;
}
