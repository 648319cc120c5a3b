#include "ComServer.h"
#include <new>
#include "ClassFactory.h"
#include "ComIds.h"

LONG g_nLiveObjects = 0;

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsNullId(rclsid) || IsNullId(riid)) return E_INVALIDARG;
    if (!IsSameId(rclsid, CLSID_TavrolinDisplayPage)) return CLASS_E_CLASSNOTAVAILABLE;

    auto* pFactory = new (std::nothrow) CPageClassFactory;
    if (!pFactory) return E_OUTOFMEMORY;
    // The caller ends up with the only reference; a refused interface frees the factory here.
    const HRESULT hr = pFactory->QueryInterface(riid, ppv);
    pFactory->Release();
    return hr;
}

STDAPI DllCanUnloadNow() { return g_nLiveObjects == 0 ? S_OK : S_FALSE; }
