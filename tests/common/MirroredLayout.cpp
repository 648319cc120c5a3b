#include "MirroredLayout.h"
#include <gtest/gtest.h>

namespace {

const DWORD kLayoutRtl = 0x00000001;
const LONG kExLayoutRtl = 0x00400000;  // WS_EX_LAYOUTRTL

// Sets the process's default layout before the first test makes a window.
class MirroredLayout : public ::testing::Environment {
public:
    void SetUp() override {
        if (!RunsMirrored()) return;
        using SetDefaultLayout = BOOL(WINAPI*)(DWORD);
        auto pfnSet = reinterpret_cast<SetDefaultLayout>(
            ::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetProcessDefaultLayout"));
        ASSERT_TRUE(pfnSet && pfnSet(kLayoutRtl)) << "a right-to-left process";
    }
};

::testing::Environment* const g_pMirroredLayout = ::testing::AddGlobalTestEnvironment(new MirroredLayout);

}  // namespace

bool RunsMirrored() { return ::GetEnvironmentVariableA("TAVROLIN_MIRRORED", nullptr, 0) > 0; }

int DeviceX(HWND hWnd, int x) {
    if (!(::GetWindowLongA(hWnd, GWL_EXSTYLE) & kExLayoutRtl)) return x;
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    return rc.right - 1 - x;
}

RECT DeviceRect(HWND hWnd, const RECT& rc) {
    // Each corner is mapped as a point, so a mirrored rectangle ends one column left of where a
    // mirror image would.
    if (!(::GetWindowLongA(hWnd, GWL_EXSTYLE) & kExLayoutRtl)) return rc;
    return { DeviceX(hWnd, rc.right), rc.top, DeviceX(hWnd, rc.left), rc.bottom };
}
