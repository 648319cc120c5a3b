#include "settings/ScreenFormat.h"
#include <windows.h>

void GetScreenFormat(int* pnBitsPerPixel, int* pnWidth, int* pnHeight) {
    // Without a device context the depth is unknown: 0, as GetDeviceCaps answers then.
    HDC hdc = GetDC(nullptr);
    *pnBitsPerPixel = hdc ? GetDeviceCaps(hdc, BITSPIXEL) * GetDeviceCaps(hdc, PLANES) : 0;
    if (hdc) ReleaseDC(nullptr, hdc);
    *pnWidth = GetSystemMetrics(SM_CXSCREEN);
    *pnHeight = GetSystemMetrics(SM_CYSCREEN);
}
