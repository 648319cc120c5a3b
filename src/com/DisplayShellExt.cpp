#include "DisplayShellExt.h"
#include <new>
#include "ComIds.h"
#include "ComServer.h"
#include "driver/DriverEscape.h"
#include "page/DialogDlg.h"

CDisplayShellExt::CDisplayShellExt() : m_cRef(1) { ++g_nLiveObjects; }

CDisplayShellExt::~CDisplayShellExt() { --g_nLiveObjects; }

STDMETHODIMP CDisplayShellExt::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsNullId(riid)) return E_INVALIDARG;
    if (IsSameId(riid, kIID_IUnknown) || IsSameId(riid, kIID_IShellPropSheetExt))
        *ppv = static_cast<IShellPropSheetExt*>(this);
    else if (IsSameId(riid, kIID_IShellExtInit))
        *ppv = static_cast<IShellExtInit*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CDisplayShellExt::AddRef() { return ++m_cRef; }

STDMETHODIMP_(ULONG) CDisplayShellExt::Release() {
    if (--m_cRef) return m_cRef;
    delete this;
    return 0;
}

STDMETHODIMP CDisplayShellExt::AddPages(LPFNADDPROPSHEETPAGE pfnAddPage, LPARAM lParam) {
    // Only the adapter's own driver knows the refresh escape; on any other there is no page.
    CDriverEscape escape(nullptr);
    if (escape.QueryEscSupport(REFRESH_ESCAPE) != 1 || !pfnAddPage) return S_OK;

    auto* pPage = new (std::nothrow) CDialogDlg;
    if (!pPage) return S_OK;
    // Once made, the handle owns the page: releasing the handle, whether the sheet does it or
    // we do below, deletes the page exactly once.
    HPROPSHEETPAGE hPage = pPage->CreatePageHandle();
    if (!hPage) {
        delete pPage;
        return S_OK;
    }
    if (!pfnAddPage(hPage, lParam)) ::DestroyPropertySheetPage(hPage);
    return S_OK;
}

STDMETHODIMP CDisplayShellExt::ReplacePage(UINT, LPFNADDPROPSHEETPAGE, LPARAM) { return E_FAIL; }

// The page does not depend on what the shell passes here.
STDMETHODIMP CDisplayShellExt::Initialize(LPCITEMIDLIST, IDataObject*, HKEY) { return S_OK; }
