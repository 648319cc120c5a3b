#include "FaultInjector.h"
#include <commctrl.h>

template <typename Fn, typename Handler> void FaultInjector::Watch(const char* dll, const char* function, Handler handler) {
    m_hooks.push_back(std::make_unique<ImportHook<Fn>>(m_module, dll, function, handler));
}

template <typename Fn, typename Failure> void FaultInjector::Fail(const char* dll, const char* function, Failure failure) {
    Watch<Fn>(dll, function, [this, function, failure](Fn real, auto... args) {
        using Result = decltype(real(args...));
        return Fails(function) ? Result(failure) : real(args...);
    });
}

// Each watched function with the failure it gives.
#define FAILING(dll, name, failure) Fail<decltype(&::name)>(dll, #name, failure)

FaultInjector::FaultInjector(HMODULE module, long failAt) : m_module(module), m_nFailAt(failAt) {
    FAILING("KERNEL32.dll", HeapAlloc, nullptr);
    FAILING("KERNEL32.dll", HeapReAlloc, nullptr);
    FAILING("KERNEL32.dll", LoadLibraryA, nullptr);
    FAILING("ADVAPI32.dll", RegOpenKeyExA, ERROR_OUTOFMEMORY);
    FAILING("ADVAPI32.dll", RegQueryValueExA, ERROR_OUTOFMEMORY);
    FAILING("ADVAPI32.dll", RegSetValueExA, ERROR_OUTOFMEMORY);
    FAILING("ADVAPI32.dll", RegEnumKeyA, ERROR_OUTOFMEMORY);
    FAILING("ADVAPI32.dll", RegDeleteValueA, ERROR_OUTOFMEMORY);
    FAILING("USER32.dll", GetDC, nullptr);
    FAILING("USER32.dll", LoadBitmapA, nullptr);
    FAILING("USER32.dll", LoadIconA, nullptr);
    // A string that cannot be loaded leaves an empty buffer.
    Watch<decltype(&::LoadStringA)>("USER32.dll", "LoadStringA", [this](auto real, HINSTANCE instance, UINT id, LPSTR text, int size) {
        if (!Fails("LoadStringA")) return real(instance, id, text, size);
        if (text && size > 0) text[0] = '\0';
        return 0;
    });
    FAILING("USER32.dll", SetTimer, 0);
    FAILING("USER32.dll", DialogBoxParamA, -1);
    FAILING("USER32.dll", MessageBoxA, 0);
    FAILING("GDI32.dll", CreateCompatibleDC, nullptr);
    FAILING("GDI32.dll", CreateCompatibleBitmap, nullptr);
    FAILING("GDI32.dll", CreateBitmap, nullptr);
    FAILING("GDI32.dll", CreatePen, nullptr);
    FAILING("GDI32.dll", SelectObject, nullptr);
    FAILING("COMCTL32.dll", CreatePropertySheetPageA, nullptr);
}

#undef FAILING

bool FaultInjector::Fails(const char* function) {
    if (m_nCalls++ != m_nFailAt) return false;
    m_failed = function;
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return true;
}
