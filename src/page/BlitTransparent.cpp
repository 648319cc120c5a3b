#include "BlitTransparent.h"

namespace {

// A memory device context with a bitmap of its own selected into it, for one blit. The context
// goes before the bitmap, so that the bitmap is never deleted while still selected into it
// (Windows 9x refuses that), even when selecting the original back fails.
class CSurface {
public:
    CSurface(HDC hdcLike, HBITMAP hBitmap) : m_hBitmap(hBitmap) {
        if (m_hBitmap) m_hdc = ::CreateCompatibleDC(hdcLike);
        if (m_hdc) m_hOldBitmap = ::SelectObject(m_hdc, m_hBitmap);
    }
    ~CSurface() {
        if (m_hOldBitmap) ::SelectObject(m_hdc, m_hOldBitmap);
        if (m_hdc) ::DeleteDC(m_hdc);
        if (m_hBitmap) ::DeleteObject(m_hBitmap);
    }
    CSurface(const CSurface&) = delete;
    CSurface& operator=(const CSurface&) = delete;

    bool Ready() const { return m_hOldBitmap != nullptr; }
    HDC Get() const { return m_hdc; }

private:
    HBITMAP m_hBitmap;
    HDC m_hdc = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
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
    HDC hdcSrc = ::CreateCompatibleDC(hdc);
    if (!hdcSrc) return;
    if (HGDIOBJ hOldSrcBitmap = ::SelectObject(hdcSrc, hBitmap)) {
        BITMAP bm = {};
        ::GetObjectA(hBitmap, sizeof bm, &bm);
        POINT size = { bm.bmWidth, bm.bmHeight };
        ::DPtoLP(hdcSrc, &size, 1);  // still the default mapping mode: stays in pixels
        BlitThroughMasks(hdc, hdcSrc, x, y, size.x, size.y, crKey);
        ::SelectObject(hdcSrc, hOldSrcBitmap);
    }
    ::DeleteDC(hdcSrc);
}
