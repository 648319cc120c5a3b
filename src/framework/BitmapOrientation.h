// While a CBitmapOrientation lives, bitmaps blitted into a mirrored device context (a right-to-
// left window's) keep their own orientation instead of coming out backwards. Mirrored contexts
// exist only where gdi32 has GetLayout and SetLayout (Windows 98's right-to-left editions and
// later), so both are looked up at run time; elsewhere nothing changes.
#pragma once
#include <windows.h>

class CBitmapOrientation {
public:
    explicit CBitmapOrientation(HDC hdc);
    // The context's own layout comes back.
    ~CBitmapOrientation();
    CBitmapOrientation(const CBitmapOrientation&) = delete;
    CBitmapOrientation& operator=(const CBitmapOrientation&) = delete;

private:
    HDC m_hdc;
    DWORD m_dwLayout = 0;
    bool m_bChanged = false;
};
