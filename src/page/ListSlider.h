// CListSlider: a trackbar whose positions stand for the entries of an integer list, position 0
// for the first entry. It can tell a companion label in its parent what the position means, and
// calls an overlay hook after the trackbar has painted itself. Screen readers get the same text
// for the position as the companion, and hear when the thumb moves.
#pragma once
#include "framework/Controls.h"
#include "RateList.h"

class CSliderAccessible;

class CListSlider : public CSliderCtrl {
public:
    // nCompanionID: the label control in the parent that describes the position (may not exist).
    explicit CListSlider(int nCompanionID);
    ~CListSlider() override;

    // Copies the list and sets the range to its positions; returns the new count.
    int SetList(const CRateList& list);
    // How many entries the list has.
    int GetCount() const { return m_values.GetCount(); }
    // TRUE when nValue is one of the slider's values.
    BOOL Offers(int nValue) const { return m_values.Find(nValue) >= 0; }
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

protected:
    int m_nCompanionID;
    CRateList m_values;

    // Answers accessibility clients' requests, and tells them when the thumb has moved.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // Cuts the accessible object off from the slider that is going.
    void DisconnectAccessible();

    // Made on the first request of an accessibility client, kept while the window lives.
    CSliderAccessible* m_pAccessible;
    // The position accessibility clients last heard of; -1 when they must hear it again.
    int m_nReportedPos;
};
