#include "ListSlider.h"

BEGIN_MESSAGE_MAP(CListSlider, CSliderCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CListSlider::CListSlider(int nCompanionID) : m_nCompanionID(nCompanionID), m_values(0) {}

int CListSlider::SetList(const CRateList& list) {
    m_values.Clear();
    for (int i = 0; i < list.GetCount(); ++i) m_values.Append(list[i]);
    const int nCount = m_values.GetCount();
    SendMessage(TBM_SETRANGEMIN, TRUE, 0);
    // An empty list keeps a one-position range rather than an inverted 0..-1.
    SendMessage(TBM_SETRANGEMAX, TRUE, nCount > 0 ? nCount - 1 : 0);
    return nCount;
}

int CListSlider::GetSelectedValue() const {
    const int nPos = static_cast<int>(SendMessage(TBM_GETPOS));
    return nPos >= 0 && nPos < m_values.GetCount() ? m_values[nPos] : 0;
}

int CListSlider::SelectValue(int nValue) {
    const int nPrevious = GetSelectedValue();
    for (int i = 0; i < m_values.GetCount(); ++i) {
        if (m_values[i] == nValue) {
            SendMessage(TBM_SETPOS, TRUE, i);
            UpdateCompanion();
            break;
        }
    }
    return nPrevious;
}

int CListSlider::UpdateCompanion() {
    const int nPos = static_cast<int>(SendMessage(TBM_GETPOS));
    if (HWND hCompanion = ::GetDlgItem(GetParent(), m_nCompanionID)) ::SetWindowTextA(hCompanion, FormatValue(nPos));
    return nPos;
}

const char* CListSlider::FormatValue(int) { return ""; }

void CListSlider::DrawOverlay() {}

void CListSlider::OnPaint() {
    // The trackbar paints itself completely (its own begin and end paint), then the overlay.
    Default();
    DrawOverlay();
}
