#include "BitmapStatic.h"
#include "framework/BitmapOrientation.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CBitmapStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTransparentBitmapStatic, CBitmapStatic)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CBitmap CBitmapStatic::LoadBitmapResource(SIZE* pSize) const {
    CBitmap bitmap(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nBitmapID & 0xFFFF)));
    BITMAP bm = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return CBitmap();
    pSize->cx = bm.bmWidth;
    pSize->cy = bm.bmHeight;
    return bitmap;
}

BOOL CBitmapStatic::GetBitmapSize(SIZE* pSize) const {
    HINSTANCE hModule = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hModule, MAKEINTRESOURCEA(m_nBitmapID & 0xFFFF), RT_BITMAP);
    if (!hResource || ::SizeofResource(hModule, hResource) < sizeof(BITMAPINFOHEADER)) return FALSE;
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(hModule, hResource)));
    // A negative height is a bitmap stored top row first.
    if (!pHeader || pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biWidth <= 0 || pHeader->biHeight == 0)
        return FALSE;
    pSize->cx = pHeader->biWidth;
    pSize->cy = pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight;
    return TRUE;
}

POINT CBitmapStatic::CentredOrigin(const SIZE& size) const {
    // A bitmap larger than the control starts at a negative offset and is clipped.
    RECT rc;
    GetClientRect(&rc);
    return { rc.left + (rc.right - rc.left - size.cx + 1) / 2, rc.top + (rc.bottom - rc.top - size.cy + 1) / 2 };
}

void CBitmapStatic::FitToBitmap() {
    SIZE size;
    if (!GetBitmapSize(&size)) return;

    RECT rc;
    GetWindowRect(&rc);
    // Both sides move by the same half-difference, so the centre stays where it was.
    ::InflateRect(&rc, (size.cx - (rc.right - rc.left) + 1) / 2, (size.cy - (rc.bottom - rc.top) + 1) / 2);
    // As a rectangle, not as two points: in a mirrored (right-to-left) parent x grows to the left,
    // and only a rectangle mapped whole comes out with its left edge left of its right.
    ::MapWindowPoints(nullptr, GetParent(), reinterpret_cast<POINT*>(&rc), 2);
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

void CBitmapStatic::DrawBitmap(HDC hdc) {
    SIZE size;
    const CBitmap bitmap = LoadBitmapResource(&size);
    if (!bitmap) return;
    const CMemoryDC mem(hdc);
    const CSelection selection(mem, bitmap);
    if (!selection.Selected()) return;
    const POINT origin = CentredOrigin(size);
    ::BitBlt(hdc, origin.x, origin.y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
}

void CBitmapStatic::OnPaint() {
    // The static's own painting is replaced, not added to.
    PAINTSTRUCT ps;
    if (HDC hdc = ::BeginPaint(m_hWnd, &ps)) {
        // In a right-to-left window the logo still reads as it does everywhere else.
        const CBitmapOrientation orientation(hdc);
        DrawBitmap(hdc);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CTransparentBitmapStatic::DrawBitmap(HDC hdc) {
    // Made again after a paint that could not make it (short of GDI resources).
    if (!m_masked || !m_masked->Ready()) {
        m_masked.reset();
        SIZE size;
        const CBitmap bitmap = LoadBitmapResource(&size);
        if (!bitmap) return;
        m_masked.emplace(hdc, bitmap, RGB(255, 255, 255));
    }
    const POINT origin = CentredOrigin(m_masked->Size());
    m_masked->Draw(hdc, origin.x, origin.y);
}

void CTransparentBitmapStatic::OnSysColorChange() {
    m_masked.reset();
    Default();
}

void CTransparentBitmapStatic::PostNcDestroy() { m_masked.reset(); }
