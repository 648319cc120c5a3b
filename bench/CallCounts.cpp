#include "CallCounts.h"
#include <commctrl.h>
#include <cstring>

template <typename Fn> void CallCounter::Watch(const char* dll, const char* function) {
    const size_t index = m_counts.size();
    m_counts.push_back({ dll, function, 0 });
    m_hooks.push_back(std::make_unique<ImportHook<Fn>>(m_module, dll, function, [this, index](Fn real, auto... args) {
        if (m_bArmed) ++m_counts[index].calls;
        return real(args...);
    }));
}

#define WATCH(dll, name) Watch<decltype(&::name)>(dll, #name)

// A function the module does not import keeps its count at 0.
CallCounter::CallCounter(HMODULE module) : m_module(module) {
    WATCH("ADVAPI32.dll", RegOpenKeyExA);
    WATCH("ADVAPI32.dll", RegEnumKeyA);
    WATCH("ADVAPI32.dll", RegQueryValueExA);
    WATCH("ADVAPI32.dll", RegSetValueExA);
    WATCH("ADVAPI32.dll", RegDeleteValueA);
    WATCH("ADVAPI32.dll", RegCloseKey);
    WATCH("GDI32.dll", ExtEscape);
    WATCH("GDI32.dll", BitBlt);
    WATCH("GDI32.dll", CreateBitmap);
    WATCH("GDI32.dll", CreateCompatibleBitmap);
    WATCH("GDI32.dll", CreateCompatibleDC);
    WATCH("GDI32.dll", CreatePen);
    WATCH("GDI32.dll", DPtoLP);
    WATCH("GDI32.dll", DeleteDC);
    WATCH("GDI32.dll", DeleteObject);
    WATCH("GDI32.dll", GetDeviceCaps);
    WATCH("GDI32.dll", GetMapMode);
    WATCH("GDI32.dll", GetObjectA);
    WATCH("GDI32.dll", GetTextExtentPoint32A);
    WATCH("GDI32.dll", LineTo);
    WATCH("GDI32.dll", MoveToEx);
    WATCH("GDI32.dll", SelectObject);
    WATCH("GDI32.dll", SetBkColor);
    WATCH("GDI32.dll", SetBkMode);
    WATCH("GDI32.dll", SetMapMode);
    WATCH("GDI32.dll", SetTextColor);
    WATCH("GDI32.dll", TextOutA);
    WATCH("USER32.dll", BeginPaint);
    WATCH("USER32.dll", CallWindowProcA);
    WATCH("USER32.dll", ChangeDisplaySettingsA);
    WATCH("USER32.dll", DefWindowProcA);
    WATCH("USER32.dll", DestroyWindow);
    WATCH("USER32.dll", DialogBoxParamA);
    WATCH("USER32.dll", DrawIcon);
    WATCH("USER32.dll", DrawTextA);
    WATCH("USER32.dll", EnableWindow);
    WATCH("USER32.dll", EndDialog);
    WATCH("USER32.dll", EndPaint);
    WATCH("USER32.dll", ExitWindowsEx);
    WATCH("USER32.dll", FillRect);
    WATCH("USER32.dll", GetClientRect);
    WATCH("USER32.dll", GetDC);
    WATCH("USER32.dll", GetDlgItem);
    WATCH("USER32.dll", GetFocus);
    WATCH("USER32.dll", GetParent);
    WATCH("USER32.dll", GetPropA);
    WATCH("USER32.dll", GetSysColor);
    WATCH("USER32.dll", GetSysColorBrush);
    WATCH("USER32.dll", GetSystemMetrics);
    WATCH("USER32.dll", GetWindow);
    WATCH("USER32.dll", GetWindowLongA);
    WATCH("USER32.dll", GetWindowRect);
    WATCH("USER32.dll", GetWindowTextA);
    WATCH("USER32.dll", InflateRect);
    WATCH("USER32.dll", IsIconic);
    WATCH("USER32.dll", IsWindow);
    WATCH("USER32.dll", IsWindowEnabled);
    WATCH("USER32.dll", KillTimer);
    WATCH("USER32.dll", LoadBitmapA);
    WATCH("USER32.dll", LoadIconA);
    WATCH("USER32.dll", LoadStringA);
    WATCH("USER32.dll", MapWindowPoints);
    WATCH("USER32.dll", MessageBoxA);
    WATCH("USER32.dll", MoveWindow);
    WATCH("USER32.dll", ReleaseDC);
    WATCH("USER32.dll", RemovePropA);
    WATCH("USER32.dll", ScreenToClient);
    WATCH("USER32.dll", SendMessageA);
    WATCH("USER32.dll", SetPropA);
    WATCH("USER32.dll", SetTimer);
    WATCH("USER32.dll", SetWindowLongA);
    WATCH("USER32.dll", SetWindowPos);
    WATCH("USER32.dll", SetWindowTextA);
    WATCH("USER32.dll", SystemParametersInfoA);
    WATCH("COMCTL32.dll", CreatePropertySheetPageA);
    WATCH("COMCTL32.dll", DestroyPropertySheetPage);
    WATCH("KERNEL32.dll", DisableThreadLibraryCalls);
    WATCH("KERNEL32.dll", FindResourceA);
    WATCH("KERNEL32.dll", FreeLibrary);
    WATCH("KERNEL32.dll", GetModuleHandleA);
    WATCH("KERNEL32.dll", GetProcAddress);
    WATCH("KERNEL32.dll", LoadLibraryA);
    WATCH("KERNEL32.dll", LoadResource);
    WATCH("KERNEL32.dll", LockResource);
    WATCH("KERNEL32.dll", MultiByteToWideChar);
    WATCH("KERNEL32.dll", SizeofResource);
}

#undef WATCH

const char* CallGroup(const CallCount& count) {
    const auto is = [&](const char* name) { return std::strcmp(count.function, name) == 0; };
    if (is("RegOpenKeyExA")) return "registry opens";
    if (is("RegCloseKey")) return "registry closes";
    if (is("RegQueryValueExA") || is("RegEnumKeyA")) return "registry queries";
    if (is("RegSetValueExA") || is("RegDeleteValueA")) return "registry writes";
    if (is("ExtEscape")) return "driver escapes";
    if (_stricmp(count.dll, "GDI32.dll") == 0) return "GDI calls";
    if (_stricmp(count.dll, "USER32.dll") == 0) return "window calls";
    return "other calls";
}
