// Timings of the shipped tavrolin.dll, loaded by path and driven through its exports the way the
// shell drives it, with the virtual adapter answering its driver escapes.
#pragma once
#include "VirtualAdapter.h"

struct LoadTimes {
    double total;       // LoadLibrary, DllGetClassObject, CreateInstance, AddPages, destroying the
                        // page handle, Release and FreeLibrary
    double loader;      // of which LoadLibrary and FreeLibrary
    double backToBack;  // LoadLibrary and FreeLibrary with nothing between them
    double empty;       // the same for empty_module.dll, which does nothing and imports nothing:
                        // what any DLL's load costs on this machine, the measure of tavrolin.dll's
};
// Medians in microseconds. Plugging the adapter in between is not counted. The three kinds of
// run take turns, so that each ratio compares moments alike on a machine whose speed varies.
LoadTimes TimeLoadAndAddPages(VirtualAdapter& adapter, int runs);

// Median microseconds of PropertySheetA creating a modeless sheet with the page: the sheet's
// own frame, then the page, created and activated before the call returns.
double TimeFirstActivation(VirtualAdapter& adapter, int runs);
