// CSliderAccessible: what accessibility clients (screen readers) get for the client area of a
// list slider. It wraps the system's standard object for the trackbar and answers two things
// itself: the name, which is the label before the slider without its mnemonic's ampersand, and
// the value, which is the slider's own text for the entry under the thumb; the standard object
// would give the window text and the bare position. Everything else is the standard object's
// answer. A client may hold the object longer than the slider lives: once the slider is gone
// every call fails with CO_E_OBJNOTCONNECTED. While it lives it counts among the module's live
// objects, so the module stays loaded.
#pragma once
#include <windows.h>
#include <oleacc.h>
#include "AccessibilityLibrary.h"

class CListSlider;

class CSliderAccessible final : public IAccessible {
public:
    // A new object for the slider, with one reference; null where the system has no
    // accessibility support or no standard object for the slider's window.
    static CSliderAccessible* Create(CListSlider* pSlider);
    // The slider's answer to WM_GETOBJECT, which hands this object to the client that asked.
    LRESULT ResultForClient(WPARAM wParam);
    // The slider is going: every later call fails, and the standard object is let go.
    void Disconnect();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch: the standard object's type information, invoked on this object.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override;
    STDMETHODIMP get_accChildCount(LONG* pcountChildren) override;
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override;
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override;
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override;
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override;
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override;
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHODIMP accSelect(LONG flagsSelect, VARIANT varChild) override;
    STDMETHODIMP accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight, VARIANT varChild) override;
    STDMETHODIMP accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    STDMETHODIMP accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) override;
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override;
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override;
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override;

private:
    explicit CSliderAccessible(CListSlider* pSlider);
    ~CSliderAccessible();
    CSliderAccessible(const CSliderAccessible&) = delete;
    CSliderAccessible& operator=(const CSliderAccessible&) = delete;

    // Hands text to the client: S_FALSE and no string when it is empty.
    HRESULT ReturnText(const char* pszText, BSTR* pbstr) const;

    ULONG m_cRef;
    CAccessibilityLibrary m_library;
    CListSlider* m_pSlider;    // null once the slider is gone
    IAccessible* m_pStandard;  // null once the slider is gone
};
