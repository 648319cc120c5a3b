// CListSlider: a trackbar whose positions stand for the entries of an integer list, position 0
// for the first entry. It can tell a companion label in its parent what the position means, and
// calls an overlay hook after the trackbar has painted itself.
#pragma once
#include "framework/Controls.h"
#include "RateList.h"

class CListSlider : public CSliderCtrl {
public:
    // nCompanionID: the label control in the parent that describes the position (may not exist).
    explicit CListSlider(int nCompanionID);

    // Copies the list and sets the range to its positions; returns the new count.
    int SetList(const CRateList& list);
    // The entry under the thumb, or 0 when the thumb is outside the list.
    int GetSelectedValue() const;
    // Moves the thumb to the first entry equal to nValue, if any; returns the entry that was
    // under the thumb before (0 when outside the list).
    int SelectValue(int nValue);

    // Sets the companion's text to FormatValue of the position; returns the position.
    virtual int UpdateCompanion();
    // The text describing a position; empty here.
    virtual const char* FormatValue(int nPos);
    // Paints over the finished trackbar; nothing here.
    virtual void DrawOverlay();

    int m_nCompanionID;
    CRateList m_values;

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
