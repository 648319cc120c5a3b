#include "DrawBevel.h"
#include "framework/GdiObjects.h"

void DrawBevel(HDC hdc, HPEN hTopLeft, HPEN hBottomRight, const RECT& rc, int nDepth) {
    if (nDepth < 1) return;
    CSelection pen(hdc, hTopLeft);
    for (int i = 1; i <= nDepth; ++i) {
        ::MoveToEx(hdc, rc.left + i, rc.bottom - i, nullptr);
        ::LineTo(hdc, rc.left + i, rc.top + i);
        ::LineTo(hdc, rc.right - i, rc.top + i);
    }
    pen.Select(hBottomRight);
    for (int i = 1; i <= nDepth; ++i) {
        ::MoveToEx(hdc, rc.right - i, rc.top + i, nullptr);
        ::LineTo(hdc, rc.right - i, rc.bottom - i);
        ::LineTo(hdc, rc.left + i, rc.bottom - i);
    }
}
