#include "BitmapOrientation.h"

namespace {

// Named by later headers than the module's own.
const DWORD kLayoutRtl = 0x00000001;
const DWORD kLayoutBitmapOrientationPreserved = 0x00000008;
const DWORD kGdiError = 0xFFFFFFFF;

using GetLayoutFunction = DWORD(WINAPI*)(HDC);
using SetLayoutFunction = DWORD(WINAPI*)(HDC, DWORD);

struct LayoutFunctions {
    GetLayoutFunction pfnGet;
    SetLayoutFunction pfnSet;
};

const LayoutFunctions& Functions() {
    // gdi32 stays loaded as long as this module, which imports it.
    static LayoutFunctions functions = {};
    static bool bLookedUp = false;
    if (!bLookedUp) {
        HMODULE hGdi = ::GetModuleHandleA("gdi32.dll");
        functions.pfnGet = reinterpret_cast<GetLayoutFunction>(::GetProcAddress(hGdi, "GetLayout"));
        functions.pfnSet = reinterpret_cast<SetLayoutFunction>(::GetProcAddress(hGdi, "SetLayout"));
        if (!functions.pfnGet || !functions.pfnSet) functions = {};
        bLookedUp = true;
    }
    return functions;
}

}  // namespace

CBitmapOrientation::CBitmapOrientation(HDC hdc) : m_hdc(hdc) {
    const LayoutFunctions& f = Functions();
    if (!f.pfnGet || !hdc) return;
    m_dwLayout = f.pfnGet(hdc);
    if (m_dwLayout == kGdiError || !(m_dwLayout & kLayoutRtl) || (m_dwLayout & kLayoutBitmapOrientationPreserved))
        return;
    m_bChanged = f.pfnSet(hdc, m_dwLayout | kLayoutBitmapOrientationPreserved) != kGdiError;
}

CBitmapOrientation::~CBitmapOrientation() {
    if (m_bChanged) Functions().pfnSet(m_hdc, m_dwLayout);
}
