// Timings of the shipped tavrolin.dll, loaded by path and driven through its exports the way the
// shell drives it, with the virtual adapter answering its driver escapes.
#pragma once
#include "VirtualAdapter.h"

struct LoadTimes {
    double total;   // LoadLibrary, DllGetClassObject, CreateInstance, AddPages, destroying the
                    // page handle, Release and FreeLibrary
    double loader;  // LoadLibrary and FreeLibrary alone
};
// Medians in microseconds. Plugging the adapter in between is not counted.
LoadTimes TimeLoadAndAddPages(VirtualAdapter& adapter, int runs);

// Median microseconds of PropertySheetA creating a modeless sheet with the page: the sheet's
// own frame, then the page, created and activated before the call returns.
double TimeFirstActivation(VirtualAdapter& adapter, int runs);

// Median microseconds of LoadLibrary and FreeLibrary of a DLL that does nothing and imports
// nothing: what any DLL's load costs on this machine, the measure of tavrolin.dll's own.
double TimeEmptyModuleLoad(int runs);
