// CDisplayShellExt: the Display property-sheet extension. It adds the adapter's settings page
// when the display driver in use is the adapter's own. One object, one count, two faces.
#pragma once
#include <windows.h>
#include <shlobj.h>

class CDisplayShellExt : public IShellPropSheetExt, public IShellExtInit {
public:
    CDisplayShellExt();
    virtual ~CDisplayShellExt();
    CDisplayShellExt(const CDisplayShellExt&) = delete;
    CDisplayShellExt& operator=(const CDisplayShellExt&) = delete;

    // IUnknown, shared by both faces
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IShellPropSheetExt
    STDMETHODIMP AddPages(LPFNADDPROPSHEETPAGE pfnAddPage, LPARAM lParam) override;
    STDMETHODIMP ReplacePage(UINT uPageID, LPFNADDPROPSHEETPAGE pfnReplaceWith, LPARAM lParam) override;

    // IShellExtInit
    STDMETHODIMP Initialize(LPCITEMIDLIST pidlFolder, IDataObject* pdtobj, HKEY hkeyProgID) override;

private:
    ULONG m_cRef;
};
