#include "ProductDll.h"
#include "com/ComIds.h"

ProductDll::ProductDll(const char* pszName) : m_module(::LoadLibraryA(pszName)) {
    if (!m_module) return;
    m_getClassObject = reinterpret_cast<decltype(m_getClassObject)>(::GetProcAddress(m_module, "DllGetClassObject"));
    m_canUnloadNow = reinterpret_cast<decltype(m_canUnloadNow)>(::GetProcAddress(m_module, "DllCanUnloadNow"));
}

ProductDll::~ProductDll() {
    if (m_module) ::FreeLibrary(m_module);
}

HRESULT ProductDll::CreateExtension(REFIID riid, void** ppv) const {
    IClassFactory* factory = nullptr;
    HRESULT hr = GetClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr)) return hr;
    hr = factory->CreateInstance(nullptr, riid, ppv);
    factory->Release();
    return hr;
}
