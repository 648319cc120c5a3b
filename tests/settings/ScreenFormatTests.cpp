// The screen format: colour depth from bits per pixel and planes, and the screen's size.
#include <gtest/gtest.h>
#include "ImportPatch.h"
#include "ResourceLedger.h"
#include "settings/ScreenFormat.h"

namespace {

TEST(ScreenFormatTest, DepthIsBitsPerPixelTimesPlanes) {
    int nBits = 0, nPlanes = 0;
    // The screen's answers, as a display of another depth would give them.
    const ImportHook<decltype(&::GetDeviceCaps)> caps(GetModuleHandleA(nullptr), "GDI32.dll", "GetDeviceCaps",
                                                      [&](auto, HDC, int nIndex) {
                                                          return nIndex == BITSPIXEL ? nBits : nIndex == PLANES ? nPlanes : 0;
                                                      });
    ASSERT_TRUE(caps.Active());
    const int cases[][3] = {{8, 1, 8}, {4, 1, 4}, {1, 4, 4}, {24, 1, 24}};
    for (const auto& [nCaseBits, nCasePlanes, nDepth] : cases) {
        nBits = nCaseBits;
        nPlanes = nCasePlanes;
        int nDepthRead = 0, nWidth = 0, nHeight = 0;
        ResourceLedger ledger;
        GetScreenFormat(&nDepthRead, &nWidth, &nHeight);
        EXPECT_EQ(nDepthRead, nDepth) << nBits << " bits in " << nPlanes << " planes";
        EXPECT_EQ(nWidth, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(nHeight, GetSystemMetrics(SM_CYSCREEN));
        EXPECT_EQ(ledger.DCsTaken(), 1u);
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
    }
}

}  // namespace
