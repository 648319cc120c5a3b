#include "BlitTransparent.h"

namespace {

// Raster operation: the destination AND NOT the source.
constexpr DWORD kDstAndNotSrc = 0x00220326;

}  // namespace

SIZE CMaskedBitmap::SizeOf(HBITMAP hBitmap) {
    BITMAP bm = {};
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return { 0, 0 };
    return { bm.bmWidth, bm.bmHeight };
}

CMaskedBitmap::CMaskedBitmap(HDC hdcLike, HBITMAP hBitmap, COLORREF crKey)
    : m_size(SizeOf(hBitmap)),
      m_mask(hdcLike, m_size.cx > 0 ? ::CreateBitmap(m_size.cx, m_size.cy, 1, 1, nullptr) : nullptr),
      m_image(hdcLike, m_size.cx > 0 ? ::CreateCompatibleBitmap(hdcLike, m_size.cx, m_size.cy) : nullptr) {
    if (!m_mask.Ready() || !m_image.Ready()) return;
    // The caller's bitmap is selected out again, or at the latest freed by deleting the context.
    const CMemoryDC src(hdcLike);
    const CSelection selection(src, hBitmap);
    if (!selection.Selected()) return;
    const int w = m_size.cx, h = m_size.cy;

    // Colour to monochrome: pixels of the background colour become 1, all others 0.
    const COLORREF crOldBk = ::SetBkColor(src, crKey);
    ::BitBlt(m_mask.dc, 0, 0, w, h, src, 0, 0, SRCCOPY);
    ::SetBkColor(src, crOldBk);

    // Monochrome into colour turns 1 into white and 0 into black (a fresh context's colours):
    // the key-coloured pixels of the copy become black, the others keep their colour.
    ::BitBlt(m_image.dc, 0, 0, w, h, src, 0, 0, SRCCOPY);
    ::BitBlt(m_image.dc, 0, 0, w, h, m_mask.dc, 0, 0, kDstAndNotSrc);
    m_bReady = true;
}

void CMaskedBitmap::Draw(HDC hdc, int x, int y) const {
    if (!m_bReady) return;
    const int w = m_size.cx, h = m_size.cy;
    // The target keeps its pixels where the mask is white and turns black elsewhere, whatever
    // its own colours are; the copy then fills in the black.
    const COLORREF crOldText = ::SetTextColor(hdc, RGB(0, 0, 0));
    const COLORREF crOldBk = ::SetBkColor(hdc, RGB(255, 255, 255));
    ::BitBlt(hdc, x, y, w, h, m_mask.dc, 0, 0, SRCAND);
    ::SetBkColor(hdc, crOldBk);
    ::SetTextColor(hdc, crOldText);
    ::BitBlt(hdc, x, y, w, h, m_image.dc, 0, 0, SRCPAINT);
}

void BlitTransparent(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF crKey) {
    const CMaskedBitmap masked(hdc, hBitmap, crKey);
    masked.Draw(hdc, x, y);
}
