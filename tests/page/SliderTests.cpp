// The refresh-rate slider on the page template's trackbar: selection by value, its range, and
// what its overlay paints (text calls recorded, pixels read back, DCs and pens counted), under
// the user's colour scheme and with more rates than the labels have room for.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>
#include "ButtonScheme.h"
#include "GdiTextRecorder.h"
#include "ImportPatch.h"
#include "MessagePump.h"
#include "MirroredLayout.h"
#include "PageTemplate.h"
#include "ResourceLedger.h"
#include "ScreenCapture.h"
#include "page/RefreshSlider.h"
#include "res/resource.h"

namespace {

int Luminance(COLORREF c) { return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000; }

// Pixels inside rc (clipped to the shot) whose brightness is far from the face's.
int PixelsStandingOut(const PixelImage& shot, const RECT& rc, COLORREF crFace) {
    int n = 0;
    for (int y = std::max<int>(rc.top, 0); y < std::min<int>(rc.bottom, shot.height); ++y)
        for (int x = std::max<int>(rc.left, 0); x < std::min<int>(rc.right, shot.width); ++x)
            n += std::abs(Luminance(shot.At(x, y)) - Luminance(crFace)) >= 128;
    return n;
}

// SetTextColor that changes nothing, so the overlay draws in the window DC's default colour.
COLORREF WINAPI KeepTextColour(HDC hdc, COLORREF) { return ::GetTextColor(hdc); }

class RefreshSliderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(slider.SubclassWindow(page.Item(IDC_REFRESH_SLIDER))); }

    HWND Slider() const { return slider.GetSafeHwnd(); }
    int SetRates(const std::vector<int>& rates) {
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
    // The worked example's geometry: a page font whose digits are 6 pixels wide and 13 high, and
    // a trackbar 67 high with a channel `channel` pixels wide. Returns the trackbar's width.
    int UseExampleGeometry(int channel) {
        if (!hExampleFont)
            hExampleFont = ::CreateFontA(-11, 5, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        page.SetFont(hExampleFont);
        EXPECT_EQ(Extent("60").cx, 12);
        EXPECT_EQ(Extent("60").cy, 13);
        EXPECT_EQ(Extent("100").cx, 18);
        const int width = Client().right + channel - ChannelWidth();
        ::SetWindowPos(Slider(), nullptr, 0, 0, width, 67, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(ChannelWidth(), channel);
        EXPECT_EQ(Client().bottom, 67);
        return width;
    }
    // The rate labels of the last paint ("Hz" left out), each with where it starts.
    std::vector<std::pair<std::string, int>> Labels() const {
        std::vector<std::pair<std::string, int>> labels;
        for (const auto& call : textOuts)
            if (call.text != "Hz") labels.emplace_back(call.text, call.at.x);
        return labels;
    }
    // Rows top..bottom-1 inside the frame are all button face.
    ::testing::AssertionResult PanelRowsAreButtonFace(int top, int bottom) const {
        const PixelImage shot = ReadClientPixels(Slider());
        for (int y = top; y < bottom; ++y)
            for (int x = 2; x < shot.width - 2; ++x)
                if (shot.At(x, y) != ::GetSysColor(COLOR_BTNFACE))
                    return ::testing::AssertionFailure() << "pixel " << x << "," << y;
        return ::testing::AssertionSuccess();
    }

    void TearDown() override {
        slider.DestroyWindow();
        if (hExampleFont) ::DeleteObject(hExampleFont);
    }

    PageTemplate page;
    CRefreshSlider slider{ IDC_RATE_LABEL };
    HFONT hExampleFont = nullptr;
    std::vector<GdiTextRecorder::Call> textOuts, drawTexts;
};

TEST_F(RefreshSliderTest, SelectsByValueAndReportsWhatWasSelectedBefore) {
    HWND hCompanion = ::CreateWindowExA(0, "STATIC", "before", WS_CHILD, 0, 0, 10, 10, page.Dialog(),
                                        reinterpret_cast<HMENU>(IDC_RATE_LABEL), nullptr, nullptr);
    char text[16];
    EXPECT_EQ(SetRates({ 60, 72, 72, 85 }), 4);
    EXPECT_EQ(::SendMessageA(Slider(), TBM_GETRANGEMAX, 0, 0), 3);

    // A value not in the list moves nothing and leaves the companion alone.
    EXPECT_EQ(slider.SelectValue(99), 60);
    EXPECT_EQ(slider.GetPos(), 0);
    ::GetWindowTextA(hCompanion, text, sizeof text);
    EXPECT_STREQ(text, "before");

    // A value listed twice selects its first place, and the companion is told.
    EXPECT_EQ(slider.SelectValue(72), 60);
    EXPECT_EQ(slider.GetPos(), 1);
    ::GetWindowTextA(hCompanion, text, sizeof text);
    EXPECT_STREQ(text, "72 Hz");
    EXPECT_EQ(slider.SelectValue(85), 72);

    // A thumb beyond the list stands for no value.
    slider.SendMessage(TBM_SETRANGEMAX, TRUE, 9);
    slider.SetPos(7);
    EXPECT_EQ(slider.GetSelectedValue(), 0);
    EXPECT_EQ(slider.SelectValue(60), 0);
    EXPECT_EQ(slider.GetPos(), 0);
}

TEST_F(RefreshSliderTest, LabelsSpreadAcrossTheChannelWithTheUnitBeneath) {
    // "60" measures 12 x 13, the channel is 150 wide and the trackbar 67 high: the labels step
    // (150 - 12) / 3 = 46 from x = 6, on the line y = 66 - 26 - 6 = 34.
    const int width = UseExampleGeometry(150);
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

    // A sunken frame: shadow on the left and top, white on the right and bottom (in a mirrored
    // window left and right change places, as the whole trackbar does).
    const PixelImage shot = ReadClientPixels(Slider());
    EXPECT_EQ(shot.At(DeviceX(Slider(), 1), 33), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(width / 2, 1), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(DeviceX(Slider(), width - 2), 33), RGB(255, 255, 255));
    EXPECT_EQ(shot.At(width / 2, 65), RGB(255, 255, 255));
}

int WINAPI SentenceWithPercents(HINSTANCE, UINT, LPSTR buffer, int size) {
    return ::lstrlenA(::lstrcpynA(buffer, "%d Hz: 100% %s %n %d", size));
}

TEST_F(RefreshSliderTest, OneRateCoversTheTrackbarWithTheDefaultSentence) {
    // The sentence starts a line above the labels' line (34 - 13 = 21) and fills the frame.
    const int width = UseExampleGeometry(150);
    SetRates({ 75 });
    Paint();
    EXPECT_TRUE(textOuts.empty());
    ASSERT_EQ(drawTexts.size(), 1u);
    EXPECT_EQ(drawTexts[0].text, "75 Hz is default. Manual adjustment disallowed.");
    EXPECT_EQ(drawTexts[0].format, static_cast<UINT>(DT_WORDBREAK));
    const RECT expected = { 6, 21, width - 2, 65 };
    EXPECT_TRUE(::EqualRect(&drawTexts[0].rect, &expected));

    // Channel and thumb are covered above the sentence; the sentence itself is drawn.
    EXPECT_TRUE(PanelRowsAreButtonFace(2, expected.top));
    EXPECT_FALSE(PanelRowsAreButtonFace(expected.top, expected.bottom));

    // A translation is text, never a format: only its first "%d" takes the rate.
    const ImportPatch translation(::GetModuleHandleA(nullptr), "USER32.dll", "LoadStringA",
                                  reinterpret_cast<const void*>(&SentenceWithPercents));
    EXPECT_STREQ(slider.FormatValue(0), "75 Hz: 100% %s %n %d");
}

TEST_F(RefreshSliderTest, EmptyListKeepsASaneRangeAndABlankPanel) {
    SetRates({ 60, 72 });
    slider.SetPos(1);
    EXPECT_EQ(SetRates({}), 0);
    EXPECT_EQ(::SendMessageA(Slider(), TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(::SendMessageA(Slider(), TBM_GETRANGEMAX, 0, 0), 0);
    EXPECT_EQ(slider.GetSelectedValue(), 0);
    EXPECT_EQ(slider.SelectValue(60), 0);

    Paint();
    EXPECT_TRUE(textOuts.empty());
    EXPECT_TRUE(drawTexts.empty());
    EXPECT_TRUE(PanelRowsAreButtonFace(2, Client().bottom - 2));
}

TEST_F(RefreshSliderTest, TrackbarWithoutTicksSpacesTheLabelsPerRate) {
    UseExampleGeometry(150);
    ::SetWindowLongPtrA(Slider(), GWL_STYLE, (::GetWindowLongPtrA(Slider(), GWL_STYLE) & ~TBS_AUTOTICKS) | TBS_NOTICKS);
    SetRates({ 60, 72, 85 });
    ASSERT_LT(slider.SendMessage(TBM_GETNUMTICS), 2);

    // As if there were a tick per rate: a step of (150 - 12) / 2 = 69.
    Paint();
    const std::vector<std::pair<std::string, int>> expected = { { "60", 6 }, { "72", 75 }, { "85", 144 } };
    EXPECT_EQ(Labels(), expected);
}

TEST_F(RefreshSliderTest, TextStandsOutFromTheButtonFaceOfEveryScheme) {
    for (const SchemeColours& scheme : kSchemes) {
        const ButtonScheme colours(scheme);
        for (const std::vector<int>& rates : { std::vector<int>{ 60, 70, 72, 75, 85 }, std::vector<int>{ 75 } }) {
            SCOPED_TRACE(std::string(scheme.name) + (rates.size() > 1 ? ", five rates" : ", one rate"));
            SetRates(rates);
            Paint();
            const PixelImage shot = ReadClientPixels(Slider());
            ASSERT_EQ(textOuts.size() + drawTexts.size(), rates.size() > 1 ? rates.size() + 1 : 1);
            for (const auto& call : textOuts) {
                const SIZE size = Extent(call.text.c_str());
                const RECT box = DeviceRect(Slider(), { call.at.x, call.at.y, call.at.x + size.cx, call.at.y + size.cy });
                EXPECT_EQ(call.colour, scheme.text) << call.text;
                EXPECT_GE(PixelsStandingOut(shot, box, scheme.face), size.cy / 2) << call.text;
            }
            for (const auto& call : drawTexts) {
                EXPECT_EQ(call.colour, scheme.text);
                EXPECT_GE(PixelsStandingOut(shot, DeviceRect(Slider(), call.rect), scheme.face), 20 * Extent("60").cy);
            }

            // Under the standard scheme the text looks as it did when the overlay left the DC's
            // default colour alone.
            if (scheme.face != RGB(192, 192, 192)) continue;
            const ImportPatch keepColour(::GetModuleHandleA(nullptr), "GDI32.dll", "SetTextColor",
                                         reinterpret_cast<const void*>(&KeepTextColour));
            ASSERT_TRUE(keepColour.Active());
            PageTemplate::Repaint(Slider());
            EXPECT_EQ(ReadClientPixels(Slider()).pixels, shot.pixels);
        }
    }
}

// Labels keep their places under the ticks; one that would touch the label drawn before it, or
// the highest rate's, is left out, and the lowest and highest rates are always labelled.
// Digits are 6 pixels wide here, so two-digit labels are 12 wide and three-digit ones 18.
TEST_F(RefreshSliderTest, CrowdedLabelsAreLeftOutSoThatNoneTouch) {
    using Labelled = std::vector<std::pair<std::string, int>>;
    const struct {
        std::vector<int> rates;
        int channel;
        Labelled expected;
    } cases[] = {
        // Step 138 / 4 = 34: room for all.
        { { 60, 70, 72, 75, 85 }, 150, { { "60", 6 }, { "70", 40 }, { "72", 74 }, { "75", 108 }, { "85", 142 } } },
        // Step 138 / 8 = 17 for labels 18 wide: every other one.
        { { 100, 110, 120, 130, 140, 150, 160, 170, 180 }, 150,
          { { "100", 6 }, { "120", 40 }, { "140", 74 }, { "160", 108 }, { "180", 142 } } },
        // Step 138 / 15 = 9: 144 at 123 would end where 200 at 141 begins.
        { { 56, 60, 65, 70, 72, 75, 80, 85, 90, 95, 100, 110, 120, 144, 160, 200 }, 150,
          { { "56", 6 }, { "65", 24 }, { "72", 42 }, { "80", 60 }, { "90", 78 }, { "100", 96 }, { "200", 141 } } },
        // Step 8 / 4 = 2: 85 at 14 would overlap 60, which ends at 18; no room for two.
        { { 60, 70, 72, 75, 85 }, 20, { { "60", 6 } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.rates.size() << " rates on " << c.channel << " pixels");
        UseExampleGeometry(c.channel);
        SetRates(c.rates);
        Paint();
        EXPECT_EQ(Labels(), c.expected);
        ASSERT_FALSE(textOuts.empty());
        EXPECT_EQ(textOuts.back().text, "Hz");
    }
}

}  // namespace
