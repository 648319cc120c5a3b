// The logo controls and the transparent blit: pixels on memory surfaces and on screen under every
// colour scheme, the control's size after fitting, the masks the transparent logo keeps between
// paints, and every GDI object given back; once more in a mirrored (right-to-left) page, where the
// logo must neither vanish nor read backwards.
#include <gtest/gtest.h>
#include "ButtonScheme.h"
#include "MirroredLayout.h"
#include "PageTemplate.h"
#include "ResourceLedger.h"
#include "ScreenCapture.h"
#include "page/BitmapStatic.h"
#include "page/BlitTransparent.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit bitmap of w x h with pixels from colour(x, y), exactly as given.
HBITMAP MakeBitmap(int w, int h, COLORREF (*colour)(int, int)) {
    BITMAPINFO bi = {};
    bi.bmiHeader = { sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = colour(x, y);
            static_cast<DWORD*>(bits)[y * w + x] = RGB(GetBValue(c), GetGValue(c), GetRValue(c));
        }
    return hBitmap;
}

// Every pixel of a bitmap that is selected into no DC; a bitmap still selected elsewhere fails.
::testing::AssertionResult Pixels(HBITMAP hBitmap, std::vector<COLORREF>* pPixels) {
    *pPixels = ReadBitmapPixels(hBitmap).pixels;
    return pPixels->empty() ? ::testing::AssertionFailure() << "bitmap still selected" : ::testing::AssertionSuccess();
}

TEST(BlitTransparent, KeyPixelsShowTheTargetAndTheSourceComesBackUnchanged) {
    HBITMAP hTarget = MakeBitmap(40, 30, [](int x, int y) { return RGB(x * 6, y * 8, 100); });
    HBITMAP hSource = MakeBitmap(8, 6, [](int x, int y) {
        return (x + y) % 3 == 0 ? kWhite : x == 1 ? RGB(254, 255, 255) : RGB(200, 30 * y, 20 * x);
    });
    std::vector<COLORREF> target, source, targetAfter, sourceAfter;
    ASSERT_TRUE(Pixels(hTarget, &target));
    ASSERT_TRUE(Pixels(hSource, &source));

    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hTarget);
    {
        ResourceLedger ledger;
        BlitTransparent(hdc, hSource, 5, 7, kWhite);
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
        EXPECT_EQ(ledger.DCsTaken(), 3u);
        EXPECT_EQ(ledger.ObjectsCreated(), 2u);
    }
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);

    ASSERT_TRUE(Pixels(hTarget, &targetAfter));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 13 && y >= 7 && y < 13;
            const COLORREF src = inside ? source[(y - 7) * 8 + x - 5] : kWhite;
            ASSERT_EQ(targetAfter[y * 40 + x], src != kWhite ? src : target[y * 40 + x]) << x << "," << y;
        }
    ASSERT_TRUE(Pixels(hSource, &sourceAfter));
    EXPECT_EQ(sourceAfter, source);
    ::DeleteObject(hTarget);
    ::DeleteObject(hSource);
}

class LogoTest : public ::testing::Test {
protected:
    void SetUp() override {
        HBITMAP hLogo = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LOGO));
        ASSERT_TRUE(Pixels(hLogo, &logo));
        ::DeleteObject(hLogo);
        ASSERT_EQ(logo.size(), 199u * 48u);
    }
    HWND Logo() const { return page.Item(IDC_LOGO); }
    RECT Placement() const {
        RECT rc;
        ::GetWindowRect(Logo(), &rc);
        ::MapWindowPoints(nullptr, page.Dialog(), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    // Paints the control, counting its DCs and GDI objects.
    void Paint() {
        ResourceLedger ledger;
        PageTemplate::Repaint(Logo());
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
    }
    // The control shows the logo at (x, y) over `under`; its white shows `under` when transparent.
    // In a mirrored window the logo stands mirrored there but reads as everywhere else.
    void ExpectLogo(const PixelImage& under, int x, int y, bool transparent) const {
        const RECT at = DeviceRect(Logo(), { x, y, x + 199, y + 48 });
        const int x0 = at.left, y0 = at.top;
        const PixelImage shot = ReadClientPixels(Logo());
        ASSERT_EQ(shot.pixels.size(), under.pixels.size());
        for (int y = 0; y < shot.height; ++y)
            for (int x = 0; x < shot.width; ++x) {
                const bool inside = x >= x0 && x < x0 + 199 && y >= y0 && y < y0 + 48;
                const COLORREF pixel = inside ? logo[(y - y0) * 199 + x - x0] : kWhite;
                const bool shown = inside && !(transparent && pixel == kWhite);
                ASSERT_EQ(shot.At(x, y), shown ? pixel : under.At(x, y)) << x << "," << y;
            }
    }

    PageTemplate page;
    std::vector<COLORREF> logo;
};

TEST_F(LogoTest, PaintsTheLogoCentredAndOpaque) {
    ::MoveWindow(Logo(), 20, 10, 300, 65, TRUE);
    PageTemplate::Repaint(Logo());
    const PixelImage background = ReadClientPixels(Logo());  // the empty static shows the page's background
    CBitmapStatic opaque(IDB_LOGO);
    ASSERT_TRUE(opaque.SubclassWindow(Logo()));
    Paint();
    ExpectLogo(background, (300 - 199 + 1) / 2, (65 - 48 + 1) / 2, false);
    opaque.UnsubclassWindow();
}

TEST_F(LogoTest, TransparentLogoKeepsItsMasksAndShowsTheBackgroundOfEveryScheme) {
    ::MoveWindow(Logo(), 20, 10, 300, 65, TRUE);
    const int x0 = (300 - 199 + 1) / 2, y0 = (65 - 48 + 1) / 2;
    ResourceLedger ledger;
    CTransparentBitmapStatic transparent(IDB_LOGO);
    for (const SchemeColours& scheme : kSchemes) {
        SCOPED_TRACE(scheme.name);
        const ButtonScheme colours(scheme);
        transparent.UnsubclassWindow();
        PageTemplate::Repaint(Logo());
        const PixelImage background = ReadClientPixels(Logo());
        ASSERT_TRUE(transparent.SubclassWindow(Logo()));

        // Painted with the masks made under the scheme before (the first time, made now): they
        // do not depend on it.
        PageTemplate::Repaint(page.Dialog());
        PageTemplate::Repaint(Logo());
        ExpectLogo(background, x0, y0, true);

        // Told of the new scheme, the control lets its masks go and makes them again.
        const size_t made = ledger.ObjectsCreated();
        ::SendMessageA(Logo(), WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(ledger.LiveObjects(), 0u);
        EXPECT_EQ(ledger.HeldDCs(), 0u);
        PageTemplate::Repaint(page.Dialog());
        PageTemplate::Repaint(Logo());
        // The bitmap loaded once, a mask and a masked copy kept in a context each; a paint
        // after that makes nothing.
        EXPECT_EQ(ledger.ObjectsCreated(), made + 3);
        EXPECT_EQ(ledger.LiveObjects(), 2u);
        EXPECT_EQ(ledger.HeldDCs(), 2u);
        PageTemplate::Repaint(Logo());
        EXPECT_EQ(ledger.ObjectsCreated(), made + 3);
        ExpectLogo(background, x0, y0, true);
    }
    // The masks go with the window, none of them deleted while still selected.
    ::DestroyWindow(Logo());
    EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
}

TEST_F(LogoTest, FitKeepsTheCentreWhenShrinkingAndGrowing) {
    CTransparentBitmapStatic control(IDB_LOGO);
    ASSERT_TRUE(control.SubclassWindow(Logo()));
    const struct { RECT before; SIZE after; } cases[] = {
        { { 10, 12, 310, 77 }, { 200, 49 } },  // 300 x 65
        { { 50, 50, 150, 70 }, { 200, 48 } },  // 100 x 20
    };
    for (const auto& c : cases) {
        ::MoveWindow(Logo(), c.before.left, c.before.top, c.before.right - c.before.left, c.before.bottom - c.before.top, TRUE);
        ResourceLedger ledger;
        control.FitToBitmap();
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
        const RECT rc = Placement();
        EXPECT_EQ(rc.right - rc.left, c.after.cx);
        EXPECT_EQ(rc.bottom - rc.top, c.after.cy);
        EXPECT_EQ(rc.left + rc.right, c.before.left + c.before.right);
        EXPECT_EQ(rc.top + rc.bottom, c.before.top + c.before.bottom);
    }
}

TEST_F(LogoTest, MissingBitmapLeavesTheControlAsItWas) {
    ::MoveWindow(Logo(), 20, 10, 300, 65, TRUE);
    PageTemplate::Repaint(Logo());
    const PixelImage background = ReadClientPixels(Logo());
    const RECT before = Placement();

    CTransparentBitmapStatic control(4242);
    ASSERT_TRUE(control.SubclassWindow(Logo()));
    control.FitToBitmap();
    const RECT after = Placement();
    EXPECT_TRUE(::EqualRect(&before, &after));
    Paint();
    EXPECT_EQ(ReadClientPixels(Logo()).pixels, background.pixels);
}

}  // namespace
