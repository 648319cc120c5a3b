#include "SliderAccessible.h"
#include <new>
#include "ListSlider.h"
#include "com/ComIds.h"
#include "com/ComServer.h"

namespace {

bool IsSelf(const VARIANT& varChild) { return varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF; }

// A disconnected object's answer; out-values are emptied as COM expects of a failed call.
template <typename... Out>
HRESULT NotConnected(Out*... pOut) {
    ((pOut ? void(*pOut = Out()) : void()), ...);
    return CO_E_OBJNOTCONNECTED;
}

// The text of the label a dialog puts before a control, without the mnemonic's ampersand ("&&"
// stands for one ampersand): what a screen reader should call the control.
void GetLabelText(HWND hWnd, char* pszText, int nSize) {
    pszText[0] = '\0';
    HWND hLabel = ::GetWindow(hWnd, GW_HWNDPREV);
    if (!hLabel || ::GetWindowTextA(hLabel, pszText, nSize) <= 0) return;
    char* pTo = pszText;
    for (const char* pFrom = pszText; *pFrom; ++pFrom) {
        if (*pFrom == '&' && *++pFrom == '\0') break;
        *pTo++ = *pFrom;
    }
    *pTo = '\0';
}

}  // namespace

CSliderAccessible* CSliderAccessible::Create(CListSlider* pSlider) {
    auto* pObject = new (std::nothrow) CSliderAccessible(pSlider);
    if (!pObject) return nullptr;
    if (!pObject->m_pStandard) {
        pObject->Release();
        return nullptr;
    }
    return pObject;
}

CSliderAccessible::CSliderAccessible(CListSlider* pSlider) : m_cRef(1), m_pSlider(pSlider), m_pStandard(nullptr) {
    ++g_nLiveObjects;
    m_library.CreateStdAccessibleObject(pSlider->m_hWnd, OBJID_CLIENT, &m_pStandard);
}

CSliderAccessible::~CSliderAccessible() {
    Disconnect();
    --g_nLiveObjects;
}

LRESULT CSliderAccessible::ResultForClient(WPARAM wParam) { return m_library.LresultFromObject(wParam, this); }

void CSliderAccessible::Disconnect() {
    m_pSlider = nullptr;
    if (m_pStandard) m_pStandard->Release();
    m_pStandard = nullptr;
}

HRESULT CSliderAccessible::ReturnText(const char* pszText, BSTR* pbstr) const {
    *pbstr = nullptr;
    if (!*pszText) return S_FALSE;
    *pbstr = m_library.AllocString(pszText);
    return *pbstr ? S_OK : E_OUTOFMEMORY;
}

// IUnknown

STDMETHODIMP CSliderAccessible::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsNullId(riid)) return E_INVALIDARG;
    if (!IsSameId(riid, kIID_IUnknown) && !IsSameId(riid, kIID_IDispatch) && !IsSameId(riid, kIID_IAccessible))
        return E_NOINTERFACE;
    *ppv = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CSliderAccessible::AddRef() { return ++m_cRef; }

STDMETHODIMP_(ULONG) CSliderAccessible::Release() {
    if (--m_cRef) return m_cRef;
    delete this;
    return 0;
}

// IDispatch

STDMETHODIMP CSliderAccessible::GetTypeInfoCount(UINT* pctinfo) {
    return m_pStandard ? m_pStandard->GetTypeInfoCount(pctinfo) : NotConnected(pctinfo);
}

STDMETHODIMP CSliderAccessible::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) {
    return m_pStandard ? m_pStandard->GetTypeInfo(iTInfo, lcid, ppTInfo) : NotConnected(ppTInfo);
}

STDMETHODIMP CSliderAccessible::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                              DISPID* rgDispId) {
    return m_pStandard ? m_pStandard->GetIDsOfNames(riid, rgszNames, cNames, lcid, rgDispId) : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP CSliderAccessible::Invoke(DISPID dispIdMember, REFIID, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                       VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) {
    if (!m_pStandard) return CO_E_OBJNOTCONNECTED;
    // Through the type information onto this object, so that scripts hear the same name and
    // value as other clients.
    ITypeInfo* pTypeInfo = nullptr;
    HRESULT hr = m_pStandard->GetTypeInfo(0, lcid, &pTypeInfo);
    if (FAILED(hr)) return hr;
    hr = pTypeInfo->Invoke(static_cast<IAccessible*>(this), dispIdMember, wFlags, pDispParams, pVarResult,
                           pExcepInfo, puArgErr);
    pTypeInfo->Release();
    return hr;
}

// IAccessible: the name and value of the slider itself, and where it and its parts stand, are
// answered here.

STDMETHODIMP CSliderAccessible::get_accName(VARIANT varChild, BSTR* pszName) {
    if (!m_pStandard) return NotConnected(pszName);
    if (!IsSelf(varChild) || !pszName) return m_pStandard->get_accName(varChild, pszName);
    char szLabel[256];
    GetLabelText(m_pSlider->m_hWnd, szLabel, sizeof szLabel);
    // Without a label the standard object's name is all there is.
    if (!szLabel[0]) return m_pStandard->get_accName(varChild, pszName);
    return ReturnText(szLabel, pszName);
}

STDMETHODIMP CSliderAccessible::get_accValue(VARIANT varChild, BSTR* pszValue) {
    if (!m_pStandard) return NotConnected(pszValue);
    if (!IsSelf(varChild) || !pszValue) return m_pStandard->get_accValue(varChild, pszValue);
    return ReturnText(m_pSlider->FormatValue(m_pSlider->GetPos()), pszValue);
}

STDMETHODIMP CSliderAccessible::accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                            VARIANT varChild) {
    if (!m_pStandard) return NotConnected(pxLeft, pyTop, pcxWidth, pcyHeight);
    const HRESULT hr = m_pStandard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    // In a mirrored (right-to-left) sheet the standard object measures from the right edge, with
    // a negative width; clients expect the left edge and a width, as everywhere else.
    if (SUCCEEDED(hr) && pxLeft && pcxWidth && *pcxWidth < 0) {
        *pxLeft += *pcxWidth;
        *pcxWidth = -*pcxWidth;
    }
    return hr;
}

// IAccessible: everything else is the standard object's answer.

STDMETHODIMP CSliderAccessible::get_accParent(IDispatch** ppdispParent) {
    return m_pStandard ? m_pStandard->get_accParent(ppdispParent) : NotConnected(ppdispParent);
}

STDMETHODIMP CSliderAccessible::get_accChildCount(LONG* pcountChildren) {
    return m_pStandard ? m_pStandard->get_accChildCount(pcountChildren) : NotConnected(pcountChildren);
}

STDMETHODIMP CSliderAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild) {
    return m_pStandard ? m_pStandard->get_accChild(varChild, ppdispChild) : NotConnected(ppdispChild);
}

STDMETHODIMP CSliderAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription) {
    return m_pStandard ? m_pStandard->get_accDescription(varChild, pszDescription) : NotConnected(pszDescription);
}

STDMETHODIMP CSliderAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole) {
    return m_pStandard ? m_pStandard->get_accRole(varChild, pvarRole) : NotConnected(pvarRole);
}

STDMETHODIMP CSliderAccessible::get_accState(VARIANT varChild, VARIANT* pvarState) {
    return m_pStandard ? m_pStandard->get_accState(varChild, pvarState) : NotConnected(pvarState);
}

STDMETHODIMP CSliderAccessible::get_accHelp(VARIANT varChild, BSTR* pszHelp) {
    return m_pStandard ? m_pStandard->get_accHelp(varChild, pszHelp) : NotConnected(pszHelp);
}

STDMETHODIMP CSliderAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) {
    return m_pStandard ? m_pStandard->get_accHelpTopic(pszHelpFile, varChild, pidTopic)
                       : NotConnected(pszHelpFile, pidTopic);
}

STDMETHODIMP CSliderAccessible::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) {
    return m_pStandard ? m_pStandard->get_accKeyboardShortcut(varChild, pszKeyboardShortcut)
                       : NotConnected(pszKeyboardShortcut);
}

STDMETHODIMP CSliderAccessible::get_accFocus(VARIANT* pvarChild) {
    return m_pStandard ? m_pStandard->get_accFocus(pvarChild) : NotConnected(pvarChild);
}

STDMETHODIMP CSliderAccessible::get_accSelection(VARIANT* pvarChildren) {
    return m_pStandard ? m_pStandard->get_accSelection(pvarChildren) : NotConnected(pvarChildren);
}

STDMETHODIMP CSliderAccessible::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) {
    return m_pStandard ? m_pStandard->get_accDefaultAction(varChild, pszDefaultAction) : NotConnected(pszDefaultAction);
}

STDMETHODIMP CSliderAccessible::accSelect(LONG flagsSelect, VARIANT varChild) {
    return m_pStandard ? m_pStandard->accSelect(flagsSelect, varChild) : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP CSliderAccessible::accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) {
    return m_pStandard ? m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt) : NotConnected(pvarEndUpAt);
}

STDMETHODIMP CSliderAccessible::accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) {
    return m_pStandard ? m_pStandard->accHitTest(xLeft, yTop, pvarChild) : NotConnected(pvarChild);
}

STDMETHODIMP CSliderAccessible::accDoDefaultAction(VARIANT varChild) {
    return m_pStandard ? m_pStandard->accDoDefaultAction(varChild) : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP CSliderAccessible::put_accName(VARIANT varChild, BSTR szName) {
    return m_pStandard ? m_pStandard->put_accName(varChild, szName) : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP CSliderAccessible::put_accValue(VARIANT varChild, BSTR szValue) {
    return m_pStandard ? m_pStandard->put_accValue(varChild, szValue) : CO_E_OBJNOTCONNECTED;
}
