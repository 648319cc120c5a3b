#include "ScreenCapture.h"
#include <cstdio>
#include "framework/GdiObjects.h"

PixelImage ReadPixels(HDC hdc, const RECT& rc) {
    PixelImage image;
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return image;
    // A copy first: a bitmap selected into a device context cannot be read out.
    const CBitmap copy(::CreateCompatibleBitmap(hdc, w, h));
    {
        const CMemoryDC mem(hdc);
        const CSelection selection(mem, copy);
        if (!selection.Selected() || !::BitBlt(mem, 0, 0, w, h, hdc, rc.left, rc.top, SRCCOPY)) return image;
    }
    BITMAPINFO bi = {};
    bi.bmiHeader = { sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };  // top-down
    std::vector<DWORD> bits(static_cast<size_t>(w) * h);
    if (::GetDIBits(hdc, copy, 0, h, bits.data(), &bi, DIB_RGB_COLORS) != h) return image;
    image.width = w;
    image.height = h;
    // Each DWORD is 0x00RRGGBB; a COLORREF keeps red in its low byte.
    for (DWORD rgb : bits) image.pixels.push_back(RGB(GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)));
    return image;
}

namespace {
// Later headers than these programs are built with declare it; Wine has it.
using SetLayoutFunction = DWORD(WINAPI*)(HDC, DWORD);
const auto g_pfnSetLayout =
    reinterpret_cast<SetLayoutFunction>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("gdi32.dll"), "SetLayout")));
}  // namespace

PixelImage ReadClientPixels(HWND hWnd) {
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    const CClientDC dc(hWnd);
    if (!dc) return PixelImage();
    // Left to right as on screen, also in a mirrored (right-to-left) window, whose DC would
    // otherwise give the pixels back in its own mirrored order.
    const DWORD dwLayout = g_pfnSetLayout(dc, 0);
    PixelImage image = ReadPixels(dc, rc);
    if (dwLayout != GDI_ERROR) g_pfnSetLayout(dc, dwLayout);
    return image;
}

PixelImage ReadBitmapPixels(HBITMAP hBitmap) {
    BITMAP bm = {};
    if (!::GetObjectA(hBitmap, sizeof bm, &bm)) return PixelImage();
    const CMemoryDC mem(nullptr);
    const CSelection selection(mem, hBitmap);
    return selection.Selected() ? ReadPixels(mem, { 0, 0, bm.bmWidth, bm.bmHeight }) : PixelImage();
}

bool SaveWindowImage(HWND hWnd, const char* path) {
    RECT rc;
    return ::GetWindowRect(hWnd, &rc) && SaveScreenImage(rc, path);
}

bool SaveScreenImage(const RECT& rc, const char* path) {
    const CClientDC screen(nullptr);
    const PixelImage image = screen ? ReadPixels(screen, rc) : PixelImage();
    if (image.pixels.empty()) return false;

    // Rows bottom-up, three bytes a pixel (blue, green, red), each row padded to four bytes.
    const int stride = (image.width * 3 + 3) & ~3;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * image.height);
    for (int y = 0; y < image.height; ++y) {
        BYTE* row = &rows[static_cast<size_t>(image.height - 1 - y) * stride];
        for (int x = 0; x < image.width; ++x) {
            const COLORREF c = image.At(x, y);
            row[3 * x] = GetBValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetRValue(c);
        }
    }
    BITMAPINFOHEADER bih = { sizeof bih, image.width, image.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + static_cast<DWORD>(rows.size());
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(&bfh, sizeof bfh, 1, f) == 1 && std::fwrite(&bih, sizeof bih, 1, f) == 1 &&
                    std::fwrite(rows.data(), rows.size(), 1, f) == 1;
    return std::fclose(f) == 0 && ok;
}
