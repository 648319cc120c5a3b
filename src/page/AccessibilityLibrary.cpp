#include "AccessibilityLibrary.h"
#include "com/ComIds.h"

namespace {

// The loaded libraries and their functions, shared by every instance; all null while none is loaded.
struct LoadedLibraries {
    int nUsers;
    HMODULE hOleAcc;
    HMODULE hOleAut;
    HRESULT(WINAPI* pfnCreateStdAccessibleObject)(HWND, LONG, REFIID, void**);
    LRESULT(WINAPI* pfnLresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
    BSTR(WINAPI* pfnSysAllocStringLen)(const OLECHAR*, UINT);
};
LoadedLibraries g_libraries;

template <typename Function>
void Find(Function* pfn, HMODULE hModule, const char* pszName) {
    *pfn = hModule ? reinterpret_cast<Function>(::GetProcAddress(hModule, pszName)) : nullptr;
}

void Unload() {
    if (g_libraries.hOleAcc) ::FreeLibrary(g_libraries.hOleAcc);
    if (g_libraries.hOleAut) ::FreeLibrary(g_libraries.hOleAut);
    g_libraries.hOleAcc = g_libraries.hOleAut = nullptr;
    g_libraries.pfnCreateStdAccessibleObject = nullptr;
    g_libraries.pfnLresultFromObject = nullptr;
    g_libraries.pfnSysAllocStringLen = nullptr;
}

void Load() {
    g_libraries.hOleAcc = ::LoadLibraryA("oleacc.dll");
    g_libraries.hOleAut = ::LoadLibraryA("oleaut32.dll");
    Find(&g_libraries.pfnCreateStdAccessibleObject, g_libraries.hOleAcc, "CreateStdAccessibleObject");
    Find(&g_libraries.pfnLresultFromObject, g_libraries.hOleAcc, "LresultFromObject");
    Find(&g_libraries.pfnSysAllocStringLen, g_libraries.hOleAut, "SysAllocStringLen");
    // All or nothing: a partial runtime is no runtime.
    if (!g_libraries.pfnCreateStdAccessibleObject || !g_libraries.pfnLresultFromObject ||
        !g_libraries.pfnSysAllocStringLen)
        Unload();
}

}  // namespace

CAccessibilityLibrary::CAccessibilityLibrary() {
    if (g_libraries.nUsers++ == 0) Load();
}

CAccessibilityLibrary::~CAccessibilityLibrary() {
    if (--g_libraries.nUsers == 0) Unload();
}

BOOL CAccessibilityLibrary::IsLoaded() const { return g_libraries.hOleAcc != nullptr; }

HRESULT CAccessibilityLibrary::CreateStdAccessibleObject(HWND hWnd, LONG idObject, IAccessible** ppAccessible) const {
    *ppAccessible = nullptr;
    if (!IsLoaded()) return E_NOTIMPL;
    return g_libraries.pfnCreateStdAccessibleObject(hWnd, idObject, kIID_IAccessible,
                                                    reinterpret_cast<void**>(ppAccessible));
}

LRESULT CAccessibilityLibrary::LresultFromObject(WPARAM wParam, IAccessible* pAccessible) const {
    if (!IsLoaded()) return E_NOTIMPL;
    return g_libraries.pfnLresultFromObject(kIID_IAccessible, wParam, pAccessible);
}

BSTR CAccessibilityLibrary::AllocString(const char* pszText) const {
    if (!IsLoaded()) return nullptr;
    // The length without the terminator, which the string gets anyway.
    const int nLength = ::MultiByteToWideChar(CP_ACP, 0, pszText, -1, nullptr, 0) - 1;
    if (nLength < 0) return nullptr;
    BSTR bstr = g_libraries.pfnSysAllocStringLen(nullptr, static_cast<UINT>(nLength));
    if (bstr) ::MultiByteToWideChar(CP_ACP, 0, pszText, -1, bstr, nLength + 1);
    return bstr;
}

void CAccessibilityLibrary::NotifyWinEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild) {
    // user32 stays loaded as long as this module, which imports it.
    using NotifyFunction = void(WINAPI*)(DWORD, HWND, LONG, LONG);
    static NotifyFunction pfnNotify = nullptr;
    static bool bLookedUp = false;
    if (!bLookedUp) {
        Find(&pfnNotify, ::GetModuleHandleA("user32.dll"), "NotifyWinEvent");
        bLookedUp = true;
    }
    if (pfnNotify) pfnNotify(dwEvent, hWnd, idObject, idChild);
}
