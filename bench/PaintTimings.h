// Paint cost of the page's own-drawn controls against the plain controls they are built on. The
// page's template is shown in one window with a plain twin of the slider and of the logo beside
// the originals; each pair is repainted in turn, so both see the same conditions.
#pragma once
#include <windows.h>
#include <vector>
#include "CallCounts.h"
#include "page/BitmapStatic.h"
#include "page/RefreshSlider.h"

struct PaintTimes {
    double own;    // median microseconds of one full paint of the product's control
    double plain;  // the same for its plain twin
    double Ratio() const { return plain > 0 ? own / plain : 0; }
};

class PaintBench {
public:
    PaintBench();
    ~PaintBench();
    PaintBench(const PaintBench&) = delete;
    PaintBench& operator=(const PaintBench&) = delete;

    // CRefreshSlider with five rates against a plain trackbar of the same style, size and range.
    PaintTimes Slider(int runs);
    // CTransparentBitmapStatic with the logo against a plain static of the same size.
    PaintTimes Logo(int runs);
    // The same logo against a static that shows the same bitmap opaquely.
    PaintTimes LogoAgainstBitmapStatic(int runs);
    // The system calls of one full paint of the logo, by function.
    std::vector<CallCount> CountLogoPaintCalls();

private:
    // A twin of a dialog control: same size and parent, beside it and dy lower; the original's
    // style when style is 0.
    HWND CreateTwin(HWND hOriginal, const char* className, DWORD style, int dy = 0);

    HWND m_hHost = nullptr;
    HWND m_hDialog = nullptr;
    CRefreshSlider m_slider;
    CTransparentBitmapStatic m_logo;
    HWND m_hPlainSlider = nullptr;
    HWND m_hPlainStatic = nullptr;
    HWND m_hBitmapStatic = nullptr;
    HBITMAP m_hLogoBitmap = nullptr;
};
