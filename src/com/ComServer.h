// The module's COM entry points and the count of live COM objects that decides unloading.
#pragma once
#include <windows.h>

// Live COM objects: class factories, extension objects and the slider's accessible objects
// (which screen readers may hold after the page has gone). The module may unload only at 0.
extern LONG g_nLiveObjects;

extern "C" {
STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);
STDAPI DllCanUnloadNow();
}
