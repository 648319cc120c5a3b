#include "RefreshSlider.h"
#include <climits>
#include "framework/FormatText.h"
#include "framework/GdiObjects.h"
#include "framework/ResourceText.h"
#include "res/resource.h"
#include "DrawBevel.h"

namespace {

// One rate's number as drawn: its text, where it starts and how wide it is.
struct RateLabel {
    char szText[16];
    int nLength;
    int x;
    int cx;

    int Right() const { return x + cx; }
};

}  // namespace

const char* CRefreshSlider::FormatValue(int nPos) {
    const int nCount = m_values.GetCount();
    m_szValue[0] = '\0';
    if (nCount == 1) {
        InsertNumber(m_szValue, sizeof m_szValue, CResourceText(IDS_SINGLE_RATE), m_values[0]);
    } else if (nPos >= 0 && nPos < nCount) {
        const CResourceText unit(IDS_HZ);
        FormatText(m_szValue, sizeof m_szValue, "%d %s", m_values[nPos], static_cast<const char*>(unit));
    }
    return m_szValue;
}

void CRefreshSlider::DrawOverlay() {
    RECT rcClient;
    GetClientRect(&rcClient);
    const RECT rcFrame = { 0, 0, rcClient.right - 1, rcClient.bottom - 1 };
    RECT rcChannel = {};
    SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&rcChannel));

    // The pens are made before the DC, so that it is released before they are deleted. The
    // overlay covers the whole control, not only the update region.
    const CPen light(::CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    const CPen shadow(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
    const CClientDC dc(m_hWnd);
    HDC hdc = dc;
    if (!hdc) return;
    DrawBevel(hdc, shadow, light, rcFrame, 1);

    // Without a font of the parent's the DC keeps its own.
    const CSelection font(hdc, reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0)));
    const int nOldBkMode = ::SetBkMode(hdc, TRANSPARENT);
    // The text stands on the button face, so it takes the colour the user's scheme gives
    // button text; a window DC's own default is black whatever the face.
    const COLORREF crOldText = ::SetTextColor(hdc, ::GetSysColor(COLOR_BTNTEXT));

    // Labels are placed by the width and height of a typical two-digit rate.
    SIZE size60 = {};
    ::GetTextExtentPoint32A(hdc, "60", 2, &size60);
    const int x = size60.cx / 2;
    const int y = rcFrame.bottom - 2 * size60.cy - size60.cy / 2;
    if (m_values.GetCount() > 1)
        DrawRateLabels(hdc, rcClient, rcChannel, x, y, size60.cx);
    else
        DrawSingleRatePanel(hdc, rcClient, x, y, size60.cy);

    ::SetTextColor(hdc, crOldText);
    ::SetBkMode(hdc, nOldBkMode);
}

void CRefreshSlider::DrawRateLabels(HDC hdc, const RECT& rcClient, const RECT& rcChannel, int x, int y,
                                    int nLabelWidth) const {
    // The labels stand under the ticks. Every trackbar reports at least its first and last tick,
    // and one with TBS_AUTOTICKS one per position; only a TBS_NOTICKS trackbar reports none. That
    // one is spaced as if it had one tick per rate, so the spacing never divides by zero.
    int nTicks = static_cast<int>(SendMessage(TBM_GETNUMTICS));
    if (nTicks < 2) nTicks = m_values.GetCount();
    const int nStep = (rcChannel.right - rcChannel.left - nLabelWidth) / (nTicks - 1);

    // Labels keep their places under the ticks, so with many rates or a narrow control some
    // must be left out to stay readable: one that would touch the label drawn before it, or
    // the highest rate's label, goes. The lowest and the highest rate are always labelled
    // (the highest unless it would touch the lowest), and nothing is drawn over the frame.
    const int nInsideLeft = 2, nInsideRight = rcClient.right - 2;
    auto label = [&](int i) {
        RateLabel l;
        l.nLength = FormatText(l.szText, sizeof l.szText, "%d", m_values[i]);
        l.x = x + i * nStep;
        SIZE size = {};
        ::GetTextExtentPoint32A(hdc, l.szText, l.nLength, &size);
        l.cx = size.cx;
        return l;
    };
    auto inside = [&](const RateLabel& l) { return l.x >= nInsideLeft && l.Right() <= nInsideRight; };

    const int nLast = m_values.GetCount() - 1;
    const RateLabel lowest = label(0), highest = label(nLast);
    const bool bHighest = inside(highest) && !(inside(lowest) && highest.x <= lowest.Right());
    int nDrawnRight = INT_MIN;  // where the last label drawn ends
    for (int i = 0; i < nLast; ++i) {
        const RateLabel l = i == 0 ? lowest : label(i);
        if (!inside(l) || l.x <= nDrawnRight || (bHighest && l.Right() >= highest.x)) continue;
        ::TextOutA(hdc, l.x, y, l.szText, l.nLength);
        nDrawnRight = l.Right();
    }
    if (bHighest) ::TextOutA(hdc, highest.x, y, highest.szText, highest.nLength);

    const CResourceText hz(IDS_HZ);
    SIZE sizeHz = {};
    ::GetTextExtentPoint32A(hdc, hz, hz.GetLength(), &sizeHz);
    ::TextOutA(hdc, (rcClient.right - 1 - sizeHz.cx) / 2, y + sizeHz.cy, hz, hz.GetLength());
}

void CRefreshSlider::DrawSingleRatePanel(HDC hdc, const RECT& rcClient, int x, int y, int nLineHeight) {
    RECT rcPanel = { 2, 2, rcClient.right - 2, rcClient.bottom - 2 };
    ::FillRect(hdc, &rcPanel, ::GetSysColorBrush(COLOR_BTNFACE));

    // With no rate at all there is no default to name: the panel stays blank.
    const char* pszText = FormatValue(0);
    if (!*pszText) return;
    RECT rcText = { x, y - nLineHeight, rcPanel.right, rcPanel.bottom };
    ::DrawTextA(hdc, pszText, -1, &rcText, DT_WORDBREAK);
}
