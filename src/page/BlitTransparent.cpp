#include "BlitTransparent.h"
#include "framework/GdiObjects.h"

namespace {

// A memory device context with a bitmap of its own selected into it, for one blit. The members
// go in reverse: the selection is undone, the context deleted, and then the bitmap.
struct CSurface {
    CSurface(HDC hdcLike, HBITMAP hBitmap) : bitmap(hBitmap), dc(hdcLike), selection(dc, bitmap) {}

    bool Ready() const { return selection.Selected(); }
    HDC Get() const { return dc; }

    const CBitmap bitmap;
    const CMemoryDC dc;
    const CSelection selection;
};

// The masked blit itself, through surfaces of its own that are gone when it returns.
void BlitThroughMasks(HDC hdc, HDC hdcSrc, int x, int y, int w, int h, COLORREF crKey) {
    const CSurface inverseMask(hdc, ::CreateBitmap(w, h, 1, 1, nullptr));
    const CSurface mask(hdc, ::CreateBitmap(w, h, 1, 1, nullptr));
    const CSurface work(hdc, ::CreateCompatibleBitmap(hdc, w, h));
    const CSurface save(hdc, ::CreateCompatibleBitmap(hdc, w, h));
    if (!inverseMask.Ready() || !mask.Ready() || !work.Ready() || !save.Ready()) return;

    ::SetMapMode(hdcSrc, ::GetMapMode(hdc));
    ::BitBlt(save.Get(), 0, 0, w, h, hdcSrc, 0, 0, SRCCOPY);

    // Colour to monochrome: pixels of the background colour become 1, all others 0.
    const COLORREF crOldBk = ::SetBkColor(hdcSrc, crKey);
    ::BitBlt(mask.Get(), 0, 0, w, h, hdcSrc, 0, 0, SRCCOPY);
    ::SetBkColor(hdcSrc, crOldBk);
    ::BitBlt(inverseMask.Get(), 0, 0, w, h, mask.Get(), 0, 0, NOTSRCCOPY);

    // Monochrome into colour turns 1 into white and 0 into black (the fresh contexts'
    // colours), so each AND keeps or clears whole pixels.
    ::BitBlt(work.Get(), 0, 0, w, h, hdc, x, y, SRCCOPY);
    ::BitBlt(work.Get(), 0, 0, w, h, mask.Get(), 0, 0, SRCAND);
    ::BitBlt(hdcSrc, 0, 0, w, h, inverseMask.Get(), 0, 0, SRCAND);
    ::BitBlt(work.Get(), 0, 0, w, h, hdcSrc, 0, 0, SRCPAINT);
    ::BitBlt(hdc, x, y, w, h, work.Get(), 0, 0, SRCCOPY);

    // The bitmap was cleared at its key pixels above; give it its own pixels back.
    ::BitBlt(hdcSrc, 0, 0, w, h, save.Get(), 0, 0, SRCCOPY);
}

}  // namespace

void BlitTransparent(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF crKey) {
    // The caller's bitmap is selected out again, or at the latest freed by deleting the context.
    const CMemoryDC src(hdc);
    const CSelection selection(src, hBitmap);
    if (!selection.Selected()) return;
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof bm, &bm);
    POINT size = { bm.bmWidth, bm.bmHeight };
    ::DPtoLP(src, &size, 1);  // still the default mapping mode: stays in pixels
    BlitThroughMasks(hdc, src, x, y, size.x, size.y, crKey);
}
