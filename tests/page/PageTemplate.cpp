#include "PageTemplate.h"
#include <commctrl.h>
#include "MessagePump.h"
#include "res/resource.h"

namespace {

const char kFontProperty[] = "PageTemplate.font";

INT_PTR CALLBACK TemplateProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_GETFONT || !::GetPropA(hWnd, kFontProperty)) return FALSE;
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(::GetPropA(hWnd, kFontProperty)));
    return TRUE;
}

}  // namespace

PageTemplate::PageTemplate() {
    ::InitCommonControls();
    m_hHost = ::CreateWindowExA(0, "STATIC", "page host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 520, 440,
                                nullptr, nullptr, nullptr, nullptr);
    m_hDialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS_PAGE), m_hHost,
                                     &TemplateProc, 0);
    ::ShowWindow(m_hDialog, SW_SHOW);
    PumpPending();
}

PageTemplate::~PageTemplate() {
    ::RemovePropA(m_hDialog, kFontProperty);
    ::DestroyWindow(m_hHost);
    PumpPending();
}

void PageTemplate::SetFont(HFONT hFont) { ::SetPropA(m_hDialog, kFontProperty, hFont); }

void PageTemplate::Repaint(HWND hWnd) {
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpPending();
}
