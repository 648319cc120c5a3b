// tavrolin.dll, or a DLL built like it, as the shell loads it: by path, through its two exports.
#pragma once
#include <windows.h>

class ProductDll {
public:
    explicit ProductDll(const char* pszName = "tavrolin.dll");
    ~ProductDll();
    ProductDll(const ProductDll&) = delete;
    ProductDll& operator=(const ProductDll&) = delete;

    HMODULE Module() const { return m_module; }
    HRESULT GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) const { return m_getClassObject(rclsid, riid, ppv); }
    // As a C caller can: identifiers passed by pointer, which may be null.
    HRESULT GetClassObjectRaw(const CLSID* pclsid, const IID* piid, void** ppv) const {
        return reinterpret_cast<HRESULT(WINAPI*)(const CLSID*, const IID*, void**)>(m_getClassObject)(pclsid, piid, ppv);
    }
    HRESULT CanUnloadNow() const { return m_canUnloadNow(); }
    // The extension object made the way the shell makes it (factory, CreateInstance).
    HRESULT CreateExtension(REFIID riid, void** ppv) const;

private:
    HMODULE m_module;
    HRESULT(WINAPI* m_getClassObject)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(WINAPI* m_canUnloadNow)() = nullptr;
};
