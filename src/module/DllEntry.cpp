// The DLL's entry point. The module links no C runtime, so this is where its static objects
// (the application object, the run-time class registrations) are constructed, and destroyed
// when the module is unloaded, around the application object's InitInstance and ExitInstance.
#include <windows.h>
#include "StaticObjects.h"
#include "framework/WinApp.h"

namespace {
// Set once the attach succeeded: a detach after a failed attach has nothing to undo.
bool g_bAttached = false;
}

extern "C" BOOL WINAPI DllEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
    switch (dwReason) {
    case DLL_PROCESS_ATTACH: {
        DisableThreadLibraryCalls(hInstance);
        if (!StaticObjects::Construct()) return FALSE;
        CWinApp* pApp = AfxGetApp();
        if (!pApp || !pApp->InitInstance()) {
            StaticObjects::Destroy();
            return FALSE;
        }
        g_bAttached = true;
        return TRUE;
    }
    case DLL_PROCESS_DETACH:
        if (!g_bAttached) break;
        g_bAttached = false;
        // The process is ending (not FreeLibrary): other DLLs may be gone already, and the system
        // takes back all the module holds. Nothing is torn down then.
        if (lpReserved) break;
        if (CWinApp* pApp = AfxGetApp()) pApp->ExitInstance();
        StaticObjects::Destroy();
        break;
    }
    return TRUE;
}
