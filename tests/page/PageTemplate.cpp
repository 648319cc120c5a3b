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

Capture::Capture(HWND hWnd) {
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    width = rc.right;
    height = rc.bottom;
    HDC hdcWindow = ::GetDC(hWnd);
    HDC hdcCopy = ::CreateCompatibleDC(hdcWindow);
    HBITMAP hCopy = ::CreateCompatibleBitmap(hdcWindow, width, height);
    HGDIOBJ hOld = ::SelectObject(hdcCopy, hCopy);
    ::BitBlt(hdcCopy, 0, 0, width, height, hdcWindow, 0, 0, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(hdcCopy, x, y));
    ::SelectObject(hdcCopy, hOld);
    ::DeleteObject(hCopy);
    ::DeleteDC(hdcCopy);
    ::ReleaseDC(hWnd, hdcWindow);
}
