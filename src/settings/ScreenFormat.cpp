#include "settings/ScreenFormat.h"
#include <windows.h>

void GetScreenFormat(int* pnBitsPerPixel, int* pnWidth, int* pnHeight) {
    HDC hdc = GetDC(nullptr);
    *pnBitsPerPixel = GetDeviceCaps(hdc, BITSPIXEL) * GetDeviceCaps(hdc, PLANES);
    ReleaseDC(nullptr, hdc);
    *pnWidth = GetSystemMetrics(SM_CXSCREEN);
    *pnHeight = GetSystemMetrics(SM_CYSCREEN);
}
