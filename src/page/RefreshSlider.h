// CRefreshSlider: the refresh-rate trackbar. Over the trackbar it paints a sunken frame and a
// label under each rate's tick, as many as fit apart, with the unit beneath; with a single rate it
// covers the trackbar with a panel naming that rate as the fixed default. Text is drawn in the
// scheme's button-text colour. A position is described as its rate with the unit, or, with a
// single rate, by the panel's sentence; the texts come from the string table.
#pragma once
#include "ListSlider.h"

class CRefreshSlider : public CListSlider {
public:
    explicit CRefreshSlider(int nCompanionID) : CListSlider(nCompanionID), m_szValue() {}

    // "72 Hz" for the rate at nPos, the single-rate sentence when there is one rate, empty when
    // nPos is off the list.
    const char* FormatValue(int nPos) override;
    void DrawOverlay() override;

private:
    // One number per rate from (x, y) along the channel, leaving out those that would touch a
    // neighbour, the highest rate's label or the frame; "Hz" centred one line below.
    void DrawRateLabels(HDC hdc, const RECT& rcClient, const RECT& rcChannel, int x, int y, int nLabelWidth) const;
    // The button-face panel inside the frame, with the sentence about the one rate.
    void DrawSingleRatePanel(HDC hdc, const RECT& rcClient, int x, int y, int nLineHeight);

    char m_szValue[256];  // the text FormatValue gave last
};
