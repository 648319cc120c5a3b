#include "settings/ScreenFormat.h"
#include "framework/GdiObjects.h"

void GetScreenFormat(int* pnBitsPerPixel, int* pnWidth, int* pnHeight) {
    const CClientDC screen(nullptr);
    GetScreenFormat(screen, pnBitsPerPixel, pnWidth, pnHeight);
}

void GetScreenFormat(HDC hdcScreen, int* pnBitsPerPixel, int* pnWidth, int* pnHeight) {
    // Without a device context the depth is unknown: 0, as GetDeviceCaps answers then.
    *pnBitsPerPixel = hdcScreen ? GetDeviceCaps(hdcScreen, BITSPIXEL) * GetDeviceCaps(hdcScreen, PLANES) : 0;
    *pnWidth = GetSystemMetrics(SM_CXSCREEN);
    *pnHeight = GetSystemMetrics(SM_CYSCREEN);
}
