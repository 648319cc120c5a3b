#include "DataExchange.h"
#include "Wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC) const { return m_pDlgWnd->GetDlgItem(nIDC); }

namespace {
bool IsRadioButton(HWND hWnd) {
    const LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
}  // namespace

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->m_bBindOnly) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!hWnd) return;
    if (pDX->m_bSaveAndValidate) value = -1;
    // The group runs from the first button up to the next control that starts a group.
    int index = 0;
    do {
        if (IsRadioButton(hWnd)) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
            } else {
                ::SendMessageA(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd && !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP));
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->m_bBindOnly) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!hWnd) return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (pDX->m_bBindControls && !rControl.m_hWnd) rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}
