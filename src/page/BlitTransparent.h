// BlitTransparent: copies a bitmap onto a device context except for the pixels of one key
// colour, which keep what the target had. Built from a mask and plain block transfers.
#pragma once
#include <windows.h>
#include "framework/GdiObjects.h"

// A bitmap made ready to be drawn with its key-coloured pixels transparent: a monochrome mask
// that is white where the bitmap has the key colour, and a copy of the bitmap that is black
// there, each selected into a memory device context of its own. Made once, it draws with two
// block transfers; its bitmaps and device contexts are deleted with it.
class CMaskedBitmap {
public:
    // Prepares hBitmap for drawing onto device contexts like hdcLike. The bitmap is used, not
    // kept: it is left unchanged and selected into no device context.
    CMaskedBitmap(HDC hdcLike, HBITMAP hBitmap, COLORREF crKey);
    CMaskedBitmap(const CMaskedBitmap&) = delete;
    CMaskedBitmap& operator=(const CMaskedBitmap&) = delete;

    // FALSE when it could not be made (short of GDI resources, or no bitmap): it draws nothing.
    bool Ready() const { return m_bReady; }
    const SIZE& Size() const { return m_size; }
    // Draws the bitmap with its top-left at (x, y) of hdc.
    void Draw(HDC hdc, int x, int y) const;

private:
    // A memory device context with a bitmap of its own selected into it. The members go in
    // reverse: the selection is undone, the context deleted, and then the bitmap.
    struct CSurface {
        CSurface(HDC hdcLike, HBITMAP hBitmap) : bitmap(hBitmap), dc(hdcLike), selection(dc, bitmap) {}

        bool Ready() const { return selection.Selected(); }

        const CBitmap bitmap;
        const CMemoryDC dc;
        const CSelection selection;
    };

    static SIZE SizeOf(HBITMAP hBitmap);

    const SIZE m_size;
    const CSurface m_mask;
    const CSurface m_image;
    bool m_bReady = false;
};

// Draws hBitmap with its top-left at (x, y) of hdc, through a masked copy made for this call.
void BlitTransparent(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF crKey);
