// CRefreshSlider: the refresh-rate trackbar. Over the trackbar it paints a sunken frame and a
// label under each rate's tick, as many as fit apart, with the unit beneath; with a single rate it
// covers the trackbar with a panel naming that rate as the fixed default. Text is drawn in the
// scheme's button-text colour.
#pragma once
#include "ListSlider.h"

class CRefreshSlider : public CListSlider {
public:
    explicit CRefreshSlider(int nCompanionID) : CListSlider(nCompanionID) {}

    void DrawOverlay() override;

private:
    // One number per rate from (x, y) along the channel, leaving out those that would touch a
    // neighbour, the highest rate's label or the frame; "Hz" centred one line below.
    void DrawRateLabels(HDC hdc, const RECT& rcClient, const RECT& rcChannel, int x, int y, int nLabelWidth) const;
    // The button-face panel inside the frame, with the sentence about the one rate.
    void DrawSingleRatePanel(HDC hdc, const RECT& rcClient, int x, int y, int nLineHeight) const;
};
