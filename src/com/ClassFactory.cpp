#include "ClassFactory.h"
#include <new>
#include "ComIds.h"
#include "ComServer.h"
#include "DisplayShellExt.h"

CPageClassFactory::CPageClassFactory() : m_cRef(1) { ++g_nLiveObjects; }

CPageClassFactory::~CPageClassFactory() { --g_nLiveObjects; }

STDMETHODIMP CPageClassFactory::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsNullId(riid)) return E_INVALIDARG;
    if (IsSameId(riid, kIID_IUnknown) || IsSameId(riid, kIID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CPageClassFactory::AddRef() { return ++m_cRef; }

STDMETHODIMP_(ULONG) CPageClassFactory::Release() {
    if (--m_cRef) return m_cRef;
    delete this;
    return 0;
}

STDMETHODIMP CPageClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsNullId(riid)) return E_INVALIDARG;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;

    auto* pExt = new (std::nothrow) CDisplayShellExt;
    if (!pExt) return E_OUTOFMEMORY;
    const HRESULT hr = pExt->QueryInterface(riid, ppv);
    pExt->Release();
    return hr;
}

// Keeping the server loaded is not supported; the live-object count alone decides.
STDMETHODIMP CPageClassFactory::LockServer(BOOL) { return E_NOTIMPL; }
