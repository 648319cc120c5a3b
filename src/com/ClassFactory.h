// CPageClassFactory: makes the Display property-sheet extension objects. A new factory is made
// for every request and frees itself on its last Release.
#pragma once
#include <windows.h>
#include <unknwn.h>

class CPageClassFactory : public IClassFactory {
public:
    CPageClassFactory();
    virtual ~CPageClassFactory();
    CPageClassFactory(const CPageClassFactory&) = delete;
    CPageClassFactory& operator=(const CPageClassFactory&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL fLock) override;

private:
    ULONG m_cRef;
};
