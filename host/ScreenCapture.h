// Reads pixels back: of a device context, of a window's client area as it is on screen, or of a
// bitmap; and saves what the screen shows, of a window or of a rectangle, as a 24-bit BMP file.
#pragma once
#include <windows.h>
#include <vector>

// Pixels row by row from the top; empty when they could not be read.
struct PixelImage {
    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
};

// The pixels of rc in hdc.
PixelImage ReadPixels(HDC hdc, const RECT& rc);
PixelImage ReadClientPixels(HWND hWnd);
// Every pixel of a bitmap; empty while it is selected into a device context (it cannot be
// selected into a second one).
PixelImage ReadBitmapPixels(HBITMAP hBitmap);

bool SaveScreenImage(const RECT& rc, const char* path);
bool SaveWindowImage(HWND hWnd, const char* path);
