// The framework's standard entry point of a DLL module: static objects are already constructed
// by the runtime when this runs, so the application object exists.
#include "framework/WinApp.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    CWinApp* pApp = AfxGetApp();
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(hInstance);
        return pApp && pApp->InitInstance();
    case DLL_PROCESS_DETACH:
        if (pApp) pApp->ExitInstance();
        break;
    }
    return TRUE;
}
