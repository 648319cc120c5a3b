// BlitTransparent: copies a bitmap onto a device context except for the pixels of one key
// colour, which keep what the target had. Built from masks and plain block transfers.
#pragma once
#include <windows.h>

// Draws hBitmap with its top-left at (x, y) of hdc. The bitmap is used, not kept: it holds its
// own pixels again afterwards and is selected into no device context.
void BlitTransparent(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF crKey);
