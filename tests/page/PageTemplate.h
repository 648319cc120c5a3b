// The settings page's dialog template as a real dialog, shown inside a top-level window (the
// template is a child dialog), for tests that subclass its controls.
#pragma once
#include <windows.h>
#include <vector>

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

// The pixels of a window's client area as they are on screen, row by row.
struct Capture {
    explicit Capture(HWND hWnd);
    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
};
