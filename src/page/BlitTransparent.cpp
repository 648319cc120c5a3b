#include "BlitTransparent.h"

namespace {

// A memory device context with a bitmap of its own selected into it.
struct Surface {
    HDC hdc = nullptr;
    HBITMAP hBitmap = nullptr;
    HGDIOBJ hOldBitmap = nullptr;
};

Surface MakeSurface(HDC hdcLike, HBITMAP hBitmap) {
    Surface s;
    s.hdc = ::CreateCompatibleDC(hdcLike);
    s.hBitmap = hBitmap;
    if (s.hdc && s.hBitmap) s.hOldBitmap = ::SelectObject(s.hdc, s.hBitmap);
    return s;
}

bool Ready(const Surface& s) { return s.hdc && s.hBitmap && s.hOldBitmap; }

// Selects the original bitmap back and deletes the surface's own.
void DeleteSurfaceBitmap(const Surface& s) {
    if (s.hOldBitmap) ::SelectObject(s.hdc, s.hOldBitmap);
    if (s.hBitmap) ::DeleteObject(s.hBitmap);
}

void DeleteSurfaceDC(const Surface& s) {
    if (s.hdc) ::DeleteDC(s.hdc);
}

}  // namespace

void BlitTransparent(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF crKey) {
    HDC hdcSrc = ::CreateCompatibleDC(hdc);
    if (!hdcSrc) return;
    HGDIOBJ hOldSrcBitmap = ::SelectObject(hdcSrc, hBitmap);

    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof bm, &bm);
    POINT size = { bm.bmWidth, bm.bmHeight };
    ::DPtoLP(hdcSrc, &size, 1);  // still the default mapping mode: stays in pixels
    const int w = size.x, h = size.y;

    Surface inverseMask = MakeSurface(hdc, ::CreateBitmap(w, h, 1, 1, nullptr));
    Surface mask = MakeSurface(hdc, ::CreateBitmap(w, h, 1, 1, nullptr));
    Surface work = MakeSurface(hdc, ::CreateCompatibleBitmap(hdc, w, h));
    Surface save = MakeSurface(hdc, ::CreateCompatibleBitmap(hdc, w, h));

    if (hOldSrcBitmap && Ready(inverseMask) && Ready(mask) && Ready(work) && Ready(save)) {
        ::SetMapMode(hdcSrc, ::GetMapMode(hdc));

        ::BitBlt(save.hdc, 0, 0, w, h, hdcSrc, 0, 0, SRCCOPY);

        // Colour to monochrome: pixels of the background colour become 1, all others 0.
        const COLORREF crOldBk = ::SetBkColor(hdcSrc, crKey);
        ::BitBlt(mask.hdc, 0, 0, w, h, hdcSrc, 0, 0, SRCCOPY);
        ::SetBkColor(hdcSrc, crOldBk);
        ::BitBlt(inverseMask.hdc, 0, 0, w, h, mask.hdc, 0, 0, NOTSRCCOPY);

        // Monochrome into colour turns 1 into white and 0 into black (the fresh contexts'
        // colours), so each AND keeps or clears whole pixels.
        ::BitBlt(work.hdc, 0, 0, w, h, hdc, x, y, SRCCOPY);
        ::BitBlt(work.hdc, 0, 0, w, h, mask.hdc, 0, 0, SRCAND);
        ::BitBlt(hdcSrc, 0, 0, w, h, inverseMask.hdc, 0, 0, SRCAND);
        ::BitBlt(work.hdc, 0, 0, w, h, hdcSrc, 0, 0, SRCPAINT);
        ::BitBlt(hdc, x, y, w, h, work.hdc, 0, 0, SRCCOPY);

        // The bitmap was cleared at its key pixels above; give it its own pixels back.
        ::BitBlt(hdcSrc, 0, 0, w, h, save.hdc, 0, 0, SRCCOPY);
    }

    DeleteSurfaceBitmap(inverseMask);
    DeleteSurfaceBitmap(mask);
    DeleteSurfaceBitmap(work);
    DeleteSurfaceBitmap(save);
    DeleteSurfaceDC(work);
    DeleteSurfaceDC(inverseMask);
    DeleteSurfaceDC(mask);
    DeleteSurfaceDC(save);
    if (hOldSrcBitmap) ::SelectObject(hdcSrc, hOldSrcBitmap);
    ::DeleteDC(hdcSrc);
}
