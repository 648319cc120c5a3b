#include "ListSlider.h"
#include "AccessibilityLibrary.h"
#include "SliderAccessible.h"

BEGIN_MESSAGE_MAP(CListSlider, CSliderCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CListSlider::CListSlider(int nCompanionID)
    : m_nCompanionID(nCompanionID), m_values(0), m_pAccessible(nullptr), m_nReportedPos(0) {}

CListSlider::~CListSlider() { DisconnectAccessible(); }

int CListSlider::SetList(const CRateList& list) {
    m_values.Clear();
    for (int i = 0; i < list.GetCount(); ++i) m_values.Append(list[i]);
    const int nCount = m_values.GetCount();
    // New entries may stand under the same position.
    m_nReportedPos = -1;
    // The trackbar is redrawn once, when its range is complete. An empty list keeps a
    // one-position range rather than an inverted 0..-1.
    SendMessage(TBM_SETRANGEMIN, FALSE, 0);
    SendMessage(TBM_SETRANGEMAX, TRUE, nCount > 0 ? nCount - 1 : 0);
    return nCount;
}

int CListSlider::GetSelectedValue() const {
    const int nPos = GetPos();
    return nPos >= 0 && nPos < m_values.GetCount() ? m_values[nPos] : 0;
}

int CListSlider::SelectValue(int nValue) {
    const int nPrevious = GetSelectedValue();
    const int nIndex = m_values.Find(nValue);
    if (nIndex >= 0) {
        SetPos(nIndex);
        UpdateCompanion();
    }
    return nPrevious;
}

int CListSlider::UpdateCompanion() {
    const int nPos = GetPos();
    if (HWND hCompanion = ::GetDlgItem(GetParent(), m_nCompanionID)) ::SetWindowTextA(hCompanion, FormatValue(nPos));
    return nPos;
}

const char* CListSlider::FormatValue(int) { return ""; }

void CListSlider::DrawOverlay() {}

LRESULT CListSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (!m_pAccessible) m_pAccessible = CSliderAccessible::Create(this);
        // Without accessibility support the trackbar answers for itself.
        if (m_pAccessible) return m_pAccessible->ResultForClient(wParam);
    }
    const LRESULT result = CSliderCtrl::WindowProc(message, wParam, lParam);
    // Keys, the mouse and the page's own calls all move the thumb; whichever did, clients hear of
    // the new value once the trackbar has handled the message. A destroyed trackbar has no position.
    // The trackbar's own procedure is asked directly: GetPos would come back through this one.
    if (message != WM_DESTROY) {
        const int nPos = static_cast<int>(DefWindowProc(TBM_GETPOS, 0, 0));
        if (nPos != m_nReportedPos) {
            m_nReportedPos = nPos;
            CAccessibilityLibrary::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    return result;
}

void CListSlider::PostNcDestroy() { DisconnectAccessible(); }

void CListSlider::DisconnectAccessible() {
    if (!m_pAccessible) return;
    m_pAccessible->Disconnect();
    m_pAccessible->Release();
    m_pAccessible = nullptr;
}

void CListSlider::OnPaint() {
    // The trackbar paints itself completely (its own begin and end paint), then the overlay.
    Default();
    DrawOverlay();
}
