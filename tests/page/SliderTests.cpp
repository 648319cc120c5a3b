// The refresh-rate slider on the page template's trackbar: selection by value, its range, and
// what its overlay paints (text calls recorded, pixels read back, DCs and pens counted).
#include <gtest/gtest.h>
#include "GdiTextRecorder.h"
#include "MessagePump.h"
#include "PageTemplate.h"
#include "ResourceLedger.h"
#include "page/RefreshSlider.h"
#include "res/resource.h"

namespace {

class RefreshSliderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(slider.SubclassWindow(page.Item(IDC_REFRESH_SLIDER))); }

    HWND Slider() const { return slider.GetSafeHwnd(); }
    int SetRates(std::initializer_list<int> rates) {
        CRateList list;
        for (int rate : rates) list.Append(rate);
        return slider.SetList(list);
    }
    // Paints once, recording the text; every paint gives back its one DC and its two pens.
    void Paint() {
        PumpPending();
        ResourceLedger ledger;
        GdiTextRecorder recorder;
        PageTemplate::Repaint(Slider());
        EXPECT_TRUE(ledger.Balanced()) << ledger.Report();
        EXPECT_EQ(ledger.DCsTaken(), 1u);
        EXPECT_EQ(ledger.ObjectsCreated(), 2u);
        textOuts = recorder.textOuts;
        drawTexts = recorder.drawTexts;
    }
    SIZE Extent(const char* text) const {
        HDC hdc = ::GetDC(Slider());
        HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HFONT>(::SendMessageA(page.Dialog(), WM_GETFONT, 0, 0)));
        SIZE size = {};
        ::GetTextExtentPoint32A(hdc, text, lstrlenA(text), &size);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(Slider(), hdc);
        return size;
    }
    RECT Client() const {
        RECT rc;
        ::GetClientRect(Slider(), &rc);
        return rc;
    }
    int ChannelWidth() const {
        RECT rc = {};
        ::SendMessageA(Slider(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&rc));
        return rc.right - rc.left;
    }
    // Rows top..bottom-1 inside the frame are all button face.
    ::testing::AssertionResult PanelRowsAreButtonFace(int top, int bottom) const {
        const Capture shot(Slider());
        for (int y = top; y < bottom; ++y)
            for (int x = 2; x < shot.width - 2; ++x)
                if (shot.At(x, y) != ::GetSysColor(COLOR_BTNFACE))
                    return ::testing::AssertionFailure() << "pixel " << x << "," << y;
        return ::testing::AssertionSuccess();
    }

    PageTemplate page;
    CRefreshSlider slider{ IDC_RATE_LABEL };
    std::vector<GdiTextRecorder::Call> textOuts, drawTexts;
};

TEST_F(RefreshSliderTest, SelectsByValueAndReportsWhatWasSelectedBefore) {
    HWND hCompanion = ::CreateWindowExA(0, "STATIC", "before", WS_CHILD, 0, 0, 10, 10, page.Dialog(),
                                        reinterpret_cast<HMENU>(IDC_RATE_LABEL), nullptr, nullptr);
    char text[16];
    EXPECT_EQ(SetRates({ 60, 72, 72, 85 }), 4);
    EXPECT_EQ(slider.GetRangeMax(), 3);

    // A value not in the list moves nothing and leaves the companion alone.
    EXPECT_EQ(slider.SelectValue(99), 60);
    EXPECT_EQ(slider.GetPos(), 0);
    ::GetWindowTextA(hCompanion, text, sizeof text);
    EXPECT_STREQ(text, "before");

    // A value listed twice selects its first place, and the companion is told.
    EXPECT_EQ(slider.SelectValue(72), 60);
    EXPECT_EQ(slider.GetPos(), 1);
    ::GetWindowTextA(hCompanion, text, sizeof text);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(slider.SelectValue(85), 72);

    // A thumb beyond the list stands for no value.
    slider.SendMessage(TBM_SETRANGEMAX, TRUE, 9);
    slider.SetPos(7);
    EXPECT_EQ(slider.GetSelectedValue(), 0);
    EXPECT_EQ(slider.SelectValue(60), 0);
    EXPECT_EQ(slider.GetPos(), 0);
}

TEST_F(RefreshSliderTest, LabelsSpreadAcrossTheChannelWithTheUnitBeneath) {
    // A page font whose "60" measures 12 x 13, and a trackbar 67 high with a 150-pixel channel.
    HFONT hFont = ::CreateFontA(-11, 5, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    page.SetFont(hFont);
    ASSERT_EQ(Extent("60").cx, 12);
    ASSERT_EQ(Extent("60").cy, 13);
    const int width = Client().right + 150 - ChannelWidth();
    ::SetWindowPos(Slider(), nullptr, 0, 0, width, 67, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(ChannelWidth(), 150);
    ASSERT_EQ(Client().bottom, 67);
    SetRates({ 60, 72, 75, 85 });
    ASSERT_EQ(slider.SendMessage(TBM_GETNUMTICS), 4);

    Paint();
    const std::vector<std::pair<std::string, POINT>> expected = {
        { "60", { 6, 34 } }, { "72", { 52, 34 } }, { "75", { 98, 34 } }, { "85", { 144, 34 } },
        { "Hz", { (width - 1 - Extent("Hz").cx) / 2, 47 } },
    };
    ASSERT_EQ(textOuts.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(textOuts[i].text, expected[i].first);
        EXPECT_EQ(textOuts[i].at.x, expected[i].second.x) << expected[i].first;
        EXPECT_EQ(textOuts[i].at.y, expected[i].second.y) << expected[i].first;
    }
    EXPECT_TRUE(drawTexts.empty());

    // A sunken frame: shadow on the left and top, white on the right and bottom.
    const Capture shot(Slider());
    EXPECT_EQ(shot.At(1, 33), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(width / 2, 1), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(width - 2, 33), RGB(255, 255, 255));
    EXPECT_EQ(shot.At(width / 2, 65), RGB(255, 255, 255));

    slider.DestroyWindow();
    ::DeleteObject(hFont);
}

TEST_F(RefreshSliderTest, OneRateCoversTheTrackbarWithTheDefaultSentence) {
    SetRates({ 75 });
    Paint();
    EXPECT_TRUE(textOuts.empty());
    ASSERT_EQ(drawTexts.size(), 1u);
    EXPECT_EQ(drawTexts[0].text, "75 Hz is default. Manual adjustment disallowed.");
    EXPECT_EQ(drawTexts[0].format, static_cast<UINT>(DT_WORDBREAK));
    const SIZE size60 = Extent("60");
    const RECT client = Client();
    const RECT expected = { size60.cx / 2, client.bottom - 1 - 3 * size60.cy - size60.cy / 2, client.right - 2,
                            client.bottom - 2 };
    EXPECT_TRUE(::EqualRect(&drawTexts[0].rect, &expected));

    // Channel and thumb are covered above the sentence; the sentence itself is drawn.
    EXPECT_TRUE(PanelRowsAreButtonFace(2, expected.top));
    EXPECT_FALSE(PanelRowsAreButtonFace(expected.top, expected.bottom));
}

TEST_F(RefreshSliderTest, EmptyListKeepsASaneRangeAndABlankPanel) {
    SetRates({ 60, 72 });
    slider.SetPos(1);
    EXPECT_EQ(SetRates({}), 0);
    EXPECT_EQ(slider.GetRangeMin(), 0);
    EXPECT_EQ(slider.GetRangeMax(), 0);
    EXPECT_EQ(slider.GetSelectedValue(), 0);
    EXPECT_EQ(slider.SelectValue(60), 0);

    Paint();
    EXPECT_TRUE(textOuts.empty());
    EXPECT_TRUE(drawTexts.empty());
    EXPECT_TRUE(PanelRowsAreButtonFace(2, Client().bottom - 2));
}

TEST_F(RefreshSliderTest, TrackbarWithoutTicksSpacesTheLabelsPerRate) {
    ::SetWindowLongPtrA(Slider(), GWL_STYLE, (::GetWindowLongPtrA(Slider(), GWL_STYLE) & ~TBS_AUTOTICKS) | TBS_NOTICKS);
    SetRates({ 60, 72, 85 });
    ASSERT_LT(slider.SendMessage(TBM_GETNUMTICS), 2);

    Paint();
    const int w = Extent("60").cx, step = (ChannelWidth() - w) / 2;
    ASSERT_EQ(textOuts.size(), 4u);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(textOuts[k].at.x, w / 2 + k * step);
}

}  // namespace
