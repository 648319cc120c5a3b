// CBitmapStatic: a static control that paints a bitmap resource centred in its client area
// instead of its own contents, and can resize itself about its centre to about the bitmap's size.
// CTransparentBitmapStatic paints the bitmap with its white pixels left transparent.
#pragma once
#include <optional>
#include "framework/Controls.h"
#include "framework/GdiObjects.h"
#include "page/BlitTransparent.h"

class CBitmapStatic : public CStatic {
public:
    // nBitmapID: the bitmap resource in the module (its low 16 bits are the resource id).
    explicit CBitmapStatic(int nBitmapID) : m_nBitmapID(nBitmapID) {}

    // Sizes the control to the bitmap about its centre: both sides move by the same rounded
    // half-difference, so it may end a pixel or two wider or taller than the bitmap. Without the
    // bitmap the control stays as it is.
    void FitToBitmap();
    // Paints the bitmap centred in the client area of hdc, opaquely.
    virtual void DrawBitmap(HDC hdc);

    int m_nBitmapID;

protected:
    // The bitmap, loaded anew, and its size; null when it cannot be loaded or has no size.
    CBitmap LoadBitmapResource(SIZE* pSize) const;
    // The bitmap's size as its resource's header gives it, without making a bitmap of it;
    // FALSE when there is no such bitmap or it has no size.
    BOOL GetBitmapSize(SIZE* pSize) const;
    // Where a bitmap of that size starts when centred in the client area.
    POINT CentredOrigin(const SIZE& size) const;

    void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class CTransparentBitmapStatic : public CBitmapStatic {
public:
    explicit CTransparentBitmapStatic(int nBitmapID) : CBitmapStatic(nBitmapID) {}

    // Paints the bitmap centred; its white pixels show what is beneath.
    void DrawBitmap(HDC hdc) override;

protected:
    // A new colour scheme: the masked bitmap is made again at the next paint.
    void OnSysColorChange();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    // The bitmap made ready for transparent painting by the first paint, and kept for the
    // paints after it until the colours change or the window goes.
    std::optional<CMaskedBitmap> m_masked;
};
