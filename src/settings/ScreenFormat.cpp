#include "settings/ScreenFormat.h"
#include <windows.h>
#include "framework/GdiObjects.h"

void GetScreenFormat(int* pnBitsPerPixel, int* pnWidth, int* pnHeight) {
    // Without a device context the depth is unknown: 0, as GetDeviceCaps answers then.
    const CClientDC screen(nullptr);
    *pnBitsPerPixel = screen ? GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES) : 0;
    *pnWidth = GetSystemMetrics(SM_CXSCREEN);
    *pnHeight = GetSystemMetrics(SM_CYSCREEN);
}
