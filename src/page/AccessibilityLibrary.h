// Active Accessibility, where the system has it: Windows 98 builds it in, Windows 95 has it only
// with the accessibility runtime. oleacc.dll, and oleaut32.dll for the strings its clients free,
// are loaded by the first CAccessibilityLibrary alive and freed with the last. Nothing is imported
// from them, so the module loads and works the same where they are missing.
#pragma once
#include <windows.h>
#include <oleacc.h>

class CAccessibilityLibrary {
public:
    // Loads the libraries unless another instance holds them already.
    CAccessibilityLibrary();
    // Frees them when this was the last instance.
    ~CAccessibilityLibrary();
    CAccessibilityLibrary(const CAccessibilityLibrary&) = delete;
    CAccessibilityLibrary& operator=(const CAccessibilityLibrary&) = delete;

    // FALSE where the system lacks them; the operations below then fail.
    BOOL IsLoaded() const;
    // The system's standard accessible object for a window.
    HRESULT CreateStdAccessibleObject(HWND hWnd, LONG idObject, IAccessible** ppAccessible) const;
    // The answer to WM_GETOBJECT that hands pAccessible to the client that asked.
    LRESULT LresultFromObject(WPARAM wParam, IAccessible* pAccessible) const;
    // A string for a client to free, from text in the system's code page; null on failure.
    BSTR AllocString(const char* pszText) const;

    // Tells accessibility clients of an event, where user32 has NotifyWinEvent.
    static void NotifyWinEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild);
};
