#include "DllTimings.h"
#include <commctrl.h>
#include <shlobj.h>
#include <vector>
#include "Require.h"
#include "Timing.h"
#include "MessagePump.h"
#include "Ui.h"
#include "com/ComIds.h"
#include "res/resource.h"

namespace {

HMODULE LoadDll() {
    HMODULE dll = ::LoadLibraryA("tavrolin.dll");
    Require(dll != nullptr, "tavrolin.dll could not be loaded");
    return dll;
}

IShellPropSheetExt* CreateExtension(HMODULE dll) {
    auto getClassObject = reinterpret_cast<decltype(&::DllGetClassObject)>(::GetProcAddress(dll, "DllGetClassObject"));
    Require(getClassObject != nullptr, "tavrolin.dll exports no DllGetClassObject");
    IClassFactory* factory = nullptr;
    Require(getClassObject(CLSID_TavrolinDisplayPage, IID_IClassFactory, reinterpret_cast<void**>(&factory)) == S_OK,
            "DllGetClassObject failed");
    IShellPropSheetExt* ext = nullptr;
    const HRESULT hr = factory->CreateInstance(nullptr, IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext));
    factory->Release();
    Require(hr == S_OK, "CreateInstance failed");
    return ext;
}

BOOL CALLBACK KeepPage(HPROPSHEETPAGE hPage, LPARAM lParam) {
    *reinterpret_cast<HPROPSHEETPAGE*>(lParam) = hPage;
    return TRUE;
}

// Microseconds of one LoadLibrary and FreeLibrary of a DLL, back to back.
double TimeLoadAndFree(const char* pszDll) {
    Stopwatch watch;
    watch.Start();
    HMODULE module = ::LoadLibraryA(pszDll);
    Require(module != nullptr, "a DLL could not be loaded (empty_module.dll is built with the tests)");
    ::FreeLibrary(module);
    watch.Stop();
    return watch.Microseconds();
}

HPROPSHEETPAGE AddPage(IShellPropSheetExt* ext) {
    HPROPSHEETPAGE hPage = nullptr;
    ext->AddPages(&KeepPage, reinterpret_cast<LPARAM>(&hPage));
    Require(hPage != nullptr, "AddPages added no page (is the adapter plugged in?)");
    return hPage;
}

// Times one sheet's creation, checks that its page was created and activated inside it (the
// slider already holds the driver's rates), and closes the sheet.
void TimeSheet(Stopwatch& watch, HPROPSHEETPAGE hPage, int nSliderMax) {
    watch.Start();
    HWND hSheet = CreateSheet(hPage);
    watch.Stop();
    HWND hPageWnd = PropSheet_GetCurrentPageHwnd(hSheet);
    Require(hPageWnd != nullptr, "the sheet returned before creating its page");
    HWND hSlider = ::GetDlgItem(hPageWnd, IDC_REFRESH_SLIDER);
    Require(::SendMessageA(hSlider, TBM_GETRANGEMAX, 0, 0) == nSliderMax, "the page was not activated");
    ::DestroyWindow(hSheet);
    PumpPending();
}

}  // namespace

LoadTimes TimeLoadAndAddPages(VirtualAdapter& adapter, int runs) {
    std::vector<double> total, loader, backToBack, empty;
    for (int i = -runs / 10; i < runs; ++i) {
        const double emptyLoad = TimeLoadAndFree("empty_module.dll");
        const double ownLoad = TimeLoadAndFree("tavrolin.dll");
        Stopwatch load, unload, rest;
        load.Start();
        HMODULE dll = LoadDll();
        load.Stop();
        // Stands in for the adapter's driver; the shell has nothing to do here.
        Require(adapter.Plug(dll), "the adapter could not be plugged into tavrolin.dll");
        rest.Start();
        IShellPropSheetExt* ext = CreateExtension(dll);
        ::DestroyPropertySheetPage(AddPage(ext));
        ext->Release();
        rest.Stop();
        adapter.Unplug();  // before the image goes away
        unload.Start();
        ::FreeLibrary(dll);
        unload.Stop();
        if (i < 0) continue;  // warming up
        loader.push_back(load.Microseconds() + unload.Microseconds());
        total.push_back(loader.back() + rest.Microseconds());
        backToBack.push_back(ownLoad);
        empty.push_back(emptyLoad);
    }
    return { Median(total), Median(loader), Median(backToBack), Median(empty) };
}

double TimeFirstActivation(VirtualAdapter& adapter, int runs) {
    HMODULE dll = LoadDll();
    Require(adapter.Plug(dll), "the adapter could not be plugged into tavrolin.dll");
    IShellPropSheetExt* ext = CreateExtension(dll);
    const int nSliderMax = static_cast<int>(adapter.rates.size()) - 1;
    // Closing the sheet releases the page handle, which deletes the page.
    const double median = MedianOf(runs, [&](Stopwatch& watch) { TimeSheet(watch, AddPage(ext), nSliderMax); });
    ext->Release();
    adapter.Unplug();
    ::FreeLibrary(dll);
    return median;
}
