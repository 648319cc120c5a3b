#include "FaultInjector.h"
#include <commctrl.h>

namespace {

FaultInjector* g_pInjector = nullptr;

// The functions watched, each with the failure it gives, in the order of the table below.
enum Watched : size_t {
    kHeapAlloc, kHeapReAlloc, kLoadLibraryA,
    kRegOpenKeyExA, kRegQueryValueExA, kRegSetValueExA, kRegEnumKeyA, kRegDeleteValueA,
    kGetDC, kLoadBitmapA, kLoadIconA, kLoadStringA, kSetPropA, kSetTimer, kDialogBoxParamA, kMessageBoxA,
    kCreateCompatibleDC, kCreateCompatibleBitmap, kCreateBitmap, kCreatePen, kSelectObject,
    kCreatePropertySheetPageA,
};

template <typename Fn> Fn Real(size_t index) { return reinterpret_cast<Fn>(g_pInjector->Real(index)); }
#define PASS(name, ...) Real<decltype(&::name)>(k##name)(__VA_ARGS__)

LPVOID WINAPI HeapAlloc_(HANDLE h, DWORD f, SIZE_T n) { return g_pInjector->Fails(kHeapAlloc) ? nullptr : PASS(HeapAlloc, h, f, n); }
LPVOID WINAPI HeapReAlloc_(HANDLE h, DWORD f, LPVOID p, SIZE_T n) {
    return g_pInjector->Fails(kHeapReAlloc) ? nullptr : PASS(HeapReAlloc, h, f, p, n);
}
HMODULE WINAPI LoadLibraryA_(LPCSTR name) { return g_pInjector->Fails(kLoadLibraryA) ? nullptr : PASS(LoadLibraryA, name); }
LONG WINAPI RegOpenKeyExA_(HKEY k, LPCSTR sub, DWORD o, REGSAM sam, PHKEY out) {
    return g_pInjector->Fails(kRegOpenKeyExA) ? ERROR_OUTOFMEMORY : PASS(RegOpenKeyExA, k, sub, o, sam, out);
}
LONG WINAPI RegQueryValueExA_(HKEY k, LPCSTR name, LPDWORD r, LPDWORD type, LPBYTE data, LPDWORD cb) {
    return g_pInjector->Fails(kRegQueryValueExA) ? ERROR_OUTOFMEMORY : PASS(RegQueryValueExA, k, name, r, type, data, cb);
}
LONG WINAPI RegSetValueExA_(HKEY k, LPCSTR name, DWORD r, DWORD type, const BYTE* data, DWORD cb) {
    return g_pInjector->Fails(kRegSetValueExA) ? ERROR_OUTOFMEMORY : PASS(RegSetValueExA, k, name, r, type, data, cb);
}
LONG WINAPI RegEnumKeyA_(HKEY k, DWORD i, LPSTR name, DWORD cch) {
    return g_pInjector->Fails(kRegEnumKeyA) ? ERROR_OUTOFMEMORY : PASS(RegEnumKeyA, k, i, name, cch);
}
LONG WINAPI RegDeleteValueA_(HKEY k, LPCSTR name) {
    return g_pInjector->Fails(kRegDeleteValueA) ? ERROR_OUTOFMEMORY : PASS(RegDeleteValueA, k, name);
}
HDC WINAPI GetDC_(HWND w) { return g_pInjector->Fails(kGetDC) ? nullptr : PASS(GetDC, w); }
HBITMAP WINAPI LoadBitmapA_(HINSTANCE i, LPCSTR n) { return g_pInjector->Fails(kLoadBitmapA) ? nullptr : PASS(LoadBitmapA, i, n); }
HICON WINAPI LoadIconA_(HINSTANCE i, LPCSTR n) { return g_pInjector->Fails(kLoadIconA) ? nullptr : PASS(LoadIconA, i, n); }
int WINAPI LoadStringA_(HINSTANCE i, UINT id, LPSTR s, int n) {
    if (!g_pInjector->Fails(kLoadStringA)) return PASS(LoadStringA, i, id, s, n);
    if (s && n > 0) s[0] = '\0';
    return 0;
}
BOOL WINAPI SetPropA_(HWND w, LPCSTR n, HANDLE d) { return g_pInjector->Fails(kSetPropA) ? FALSE : PASS(SetPropA, w, n, d); }
UINT_PTR WINAPI SetTimer_(HWND w, UINT_PTR id, UINT ms, TIMERPROC p) { return g_pInjector->Fails(kSetTimer) ? 0 : PASS(SetTimer, w, id, ms, p); }
INT_PTR WINAPI DialogBoxParamA_(HINSTANCE i, LPCSTR t, HWND o, DLGPROC p, LPARAM l) {
    return g_pInjector->Fails(kDialogBoxParamA) ? -1 : PASS(DialogBoxParamA, i, t, o, p, l);
}
int WINAPI MessageBoxA_(HWND w, LPCSTR t, LPCSTR c, UINT type) { return g_pInjector->Fails(kMessageBoxA) ? 0 : PASS(MessageBoxA, w, t, c, type); }
HDC WINAPI CreateCompatibleDC_(HDC d) { return g_pInjector->Fails(kCreateCompatibleDC) ? nullptr : PASS(CreateCompatibleDC, d); }
HBITMAP WINAPI CreateCompatibleBitmap_(HDC d, int w, int h) {
    return g_pInjector->Fails(kCreateCompatibleBitmap) ? nullptr : PASS(CreateCompatibleBitmap, d, w, h);
}
HBITMAP WINAPI CreateBitmap_(int w, int h, UINT planes, UINT bits, const void* data) {
    return g_pInjector->Fails(kCreateBitmap) ? nullptr : PASS(CreateBitmap, w, h, planes, bits, data);
}
HPEN WINAPI CreatePen_(int s, int w, COLORREF c) { return g_pInjector->Fails(kCreatePen) ? nullptr : PASS(CreatePen, s, w, c); }
HGDIOBJ WINAPI SelectObject_(HDC d, HGDIOBJ o) { return g_pInjector->Fails(kSelectObject) ? nullptr : PASS(SelectObject, d, o); }
HPROPSHEETPAGE WINAPI CreatePropertySheetPageA_(LPCPROPSHEETPAGEA p) {
    return g_pInjector->Fails(kCreatePropertySheetPageA) ? nullptr : PASS(CreatePropertySheetPageA, p);
}

struct Hook {
    const char* dll;
    const char* function;
    const void* hook;
};
#define HOOK(dll, name) { dll, #name, reinterpret_cast<const void*>(&name##_) }
const Hook kHooks[] = {
    HOOK("KERNEL32.dll", HeapAlloc), HOOK("KERNEL32.dll", HeapReAlloc), HOOK("KERNEL32.dll", LoadLibraryA),
    HOOK("ADVAPI32.dll", RegOpenKeyExA), HOOK("ADVAPI32.dll", RegQueryValueExA), HOOK("ADVAPI32.dll", RegSetValueExA),
    HOOK("ADVAPI32.dll", RegEnumKeyA), HOOK("ADVAPI32.dll", RegDeleteValueA),
    HOOK("USER32.dll", GetDC), HOOK("USER32.dll", LoadBitmapA), HOOK("USER32.dll", LoadIconA), HOOK("USER32.dll", LoadStringA),
    HOOK("USER32.dll", SetPropA), HOOK("USER32.dll", SetTimer), HOOK("USER32.dll", DialogBoxParamA),
    HOOK("USER32.dll", MessageBoxA),
    HOOK("GDI32.dll", CreateCompatibleDC), HOOK("GDI32.dll", CreateCompatibleBitmap), HOOK("GDI32.dll", CreateBitmap),
    HOOK("GDI32.dll", CreatePen), HOOK("GDI32.dll", SelectObject),
    HOOK("COMCTL32.dll", CreatePropertySheetPageA),
};
static_assert(sizeof kHooks / sizeof kHooks[0] == kCreatePropertySheetPageA + 1, "one hook per watched function");

}  // namespace

FaultInjector::FaultInjector(HMODULE module, long failAt) : m_nFailAt(failAt) {
    g_pInjector = this;
    for (const Hook& h : kHooks) m_patches.push_back(std::make_unique<ImportPatch>(module, h.dll, h.function, h.hook));
}

FaultInjector::~FaultInjector() {
    m_patches.clear();
    if (g_pInjector == this) g_pInjector = nullptr;
}

bool FaultInjector::Fails(size_t index) {
    if (m_nCalls++ != m_nFailAt) return false;
    m_failed = kHooks[index].function;
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return true;
}
