// The settings page's dialog template as a real dialog, shown inside a top-level window (the
// template is a child dialog), for tests that subclass its controls.
#pragma once
#include <windows.h>

class PageTemplate {
public:
    PageTemplate();
    ~PageTemplate();
    PageTemplate(const PageTemplate&) = delete;
    PageTemplate& operator=(const PageTemplate&) = delete;

    HWND Dialog() const { return m_hDialog; }
    HWND Item(int nID) const { return ::GetDlgItem(m_hDialog, nID); }
    // Makes the dialog answer WM_GETFONT with hFont (the caller keeps it alive).
    void SetFont(HFONT hFont);
    // Repaints a window now, and handles whatever that leaves queued.
    static void Repaint(HWND hWnd);

private:
    HWND m_hHost = nullptr;
    HWND m_hDialog = nullptr;
};
