// The screen format: colour depth from bits per pixel and planes, and the screen's size.
#include <gtest/gtest.h>
#include "ImportPatch.h"
#include "ResourceLedger.h"
#include "settings/ScreenFormat.h"

namespace {

TEST(ScreenFormatTest, DepthIsBitsPerPixelTimesPlanes) {
    int nBits = 0, nPlanes = 0, nCx = 0, nCy = 0;
    // The screen's answers, as a display of another depth and size would give them.
    const ImportHook<decltype(&::GetDeviceCaps)> caps(GetModuleHandleA(nullptr), "GDI32.dll", "GetDeviceCaps",
                                                      [&](auto, HDC, int nIndex) {
                                                          return nIndex == BITSPIXEL ? nBits : nIndex == PLANES ? nPlanes : 0;
                                                      });
    const ImportHook<decltype(&::GetSystemMetrics)> metrics(GetModuleHandleA(nullptr), "USER32.dll", "GetSystemMetrics",
                                                            [&](auto real, int nIndex) {
                                                                return nIndex == SM_CXSCREEN ? nCx : nIndex == SM_CYSCREEN ? nCy : real(nIndex);
                                                            });
    ASSERT_TRUE(caps.Active() && metrics.Active());
    const int cases[][5] = {{8, 1, 8, 640, 480}, {4, 1, 4, 800, 600}, {1, 4, 4, 1024, 768}, {24, 1, 24, 1600, 1200}};
    for (const auto& [nCaseBits, nCasePlanes, nDepth, nCaseCx, nCaseCy] : cases) {
        nBits = nCaseBits;
        nPlanes = nCasePlanes;
        nCx = nCaseCx;
        nCy = nCaseCy;
        int nDepthRead = 0, nWidth = 0, nHeight = 0;
        ResourceLedger ledger;
        GetScreenFormat(&nDepthRead, &nWidth, &nHeight);
        EXPECT_EQ(nDepthRead, nDepth) << nBits << " bits in " << nPlanes << " planes";
        EXPECT_EQ(nWidth, nCaseCx);
        EXPECT_EQ(nHeight, nCaseCy);
        EXPECT_EQ(ledger.DCsTaken(), 1u);
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
    }
}

}  // namespace
