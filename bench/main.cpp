// tavrolin_bench: measures the shipped DLL on the virtual adapter and prints one Markdown table:
// its load, its page's first activation, its own-drawn controls' paints against plain controls,
// its size and its imports.
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "AdapterRegistry.h"
#include "DllImage.h"
#include "DllTimings.h"
#include "PageTimings.h"
#include "PaintTimings.h"
#include "Require.h"
#include "VirtualAdapter.h"

namespace {

const int kLoadRuns = 300;
const int kActivationRuns = 100;
const int kPaintRuns = 1000;

const char* Met(bool met) { return met ? "yes" : "**no**"; }

void PrintTimeRow(const char* what, double us, const char* target = "", const char* met = "") {
    std::printf("| %s | %.0f us | %s | %s |\n", what, us, target, met);
}

void PrintPaintRow(const char* what, const PaintTimes& t, const char* target = "", const char* met = "") {
    std::printf("| %s | %.0f us / %.0f us = %.2fx | %s | %s |\n", what, t.own, t.plain, t.Ratio(), target, met);
}

// One row per group of calls, each function with its count, most called first.
void PrintCallCounts(const char* what, std::vector<CallCount> counts) {
    std::stable_sort(counts.begin(), counts.end(), [](const CallCount& a, const CallCount& b) { return a.calls > b.calls; });
    std::printf("\n| calls in %s | count | by function |\n|---|---|---|\n", what);
    long total = 0;
    for (const char* group : { "registry opens", "registry queries", "registry writes", "registry closes",
                               "driver escapes", "GDI calls", "window calls", "other calls" }) {
        long calls = 0;
        std::string functions;
        for (const CallCount& count : counts) {
            if (!count.calls || std::strcmp(CallGroup(count), group) != 0) continue;
            calls += count.calls;
            functions += (functions.empty() ? "" : ", ") + std::string(count.function) + " " + std::to_string(count.calls);
        }
        total += calls;
        std::printf("| %s | %ld | %s |\n", group, calls, functions.c_str());
    }
    std::printf("| all | %ld | |\n", total);
}

// The counts would miss calls to a function the DLL imports and the counter does not watch (the
// DLL's heap is its own: the benchmark's copy of the page allocates from the C runtime).
void PrintUncounted(const std::vector<CallCount>& counts, const DllImage& image) {
    const auto watched = [&](const std::string& function) {
        return std::any_of(counts.begin(), counts.end(), [&](const CallCount& c) { return function == c.function; });
    };
    std::string uncounted;
    for (const ImportedDll& dll : image.imports)
        for (const std::string& function : dll.functions)
            if (function.compare(0, 4, "Heap") != 0 && function != "GetProcessHeap" && !watched(function))
                uncounted += (uncounted.empty() ? "" : ", ") + function;
    if (!uncounted.empty()) std::printf("\nImports of tavrolin.dll not counted: %s\n", uncounted.c_str());
}

void PrintImports(const DllImage& image) {
    std::printf("\n| imported from | count | functions |\n|---|---|---|\n");
    for (const ImportedDll& dll : image.imports) {
        std::printf("| %s | %u | ", dll.name.c_str(), static_cast<unsigned>(dll.functions.size()));
        for (size_t i = 0; i < dll.functions.size(); ++i) std::printf("%s%s", i ? ", " : "", dll.functions[i].c_str());
        std::printf(" |\n");
    }
}

}  // namespace

int main() {
    ::InitCommonControls();
    // The adapter's device node and driver key, so the page finds its values as on its machine.
    AdapterRegistry().Install();
    VirtualAdapter adapter;  // the driver: QUERYESCSUPPORT answers 1, five rates on offer

    const LoadTimes load = TimeLoadAndAddPages(adapter, kLoadRuns);
    const double sheet = TimeFirstActivation(adapter, kActivationRuns);
    const PageTimes page = TimePageActivation(adapter, kActivationRuns);
    const std::vector<CallCount> calls = CountPageActivationCalls(adapter);
    HMODULE dll = ::LoadLibraryA("tavrolin.dll");
    Require(dll != nullptr, "tavrolin.dll could not be loaded");
    const DllImage image = ReadDllImage(dll);
    ::FreeLibrary(dll);
    PaintBench paint;
    const PaintTimes slider = paint.Slider(kPaintRuns);
    const PaintTimes logo = paint.Logo(kPaintRuns);
    const PaintTimes logoOverBitmap = paint.LogoAgainstBitmapStatic(kPaintRuns);
    const std::vector<CallCount> logoCalls = paint.CountLogoPaintCalls();

    const double kb = static_cast<double>(image.fileSize) / 1024;
    std::printf("| measure | result | target | met |\n|---|---|---|---|\n");
    std::printf("| DLL size | %lld bytes (%.1f KB) | at most 160 KB | %s |\n", image.fileSize, kb, Met(kb <= 160));
    std::printf("| **load**, median of %d: | | | |\n", kLoadRuns);
    PrintTimeRow("LoadLibrary, DllGetClassObject, CreateInstance, AddPages, page handle destroyed, Release, "
                 "FreeLibrary", load.total, "under 2000 us", Met(load.total < 2000));
    std::printf("| of which LoadLibrary + FreeLibrary | %.0f us = %.2fx the empty DLL's | at most 1.3x | %s |\n",
                load.loader, load.loader / load.empty, Met(load.loader / load.empty <= 1.3));
    std::printf("| LoadLibrary + FreeLibrary alone, back to back | %.0f us = %.2fx the empty DLL's | | |\n",
                load.backToBack, load.backToBack / load.empty);
    PrintTimeRow("for reference: LoadLibrary + FreeLibrary of an empty DLL (own entry point, no imports)",
                 load.empty);
    std::printf("| **first activation**, median of %d: | | | |\n", kActivationRuns);
    std::printf("| page creation through OnSetActive (PSPCB_CREATE until OnSetActive returns) | %.0f us = %.2fx the "
                "plain page's | at most 1.5x | %s |\n", page.creation, page.creation / page.plain,
                Met(page.creation / page.plain <= 1.5));
    PrintTimeRow("of which OnInitDialog + OnSetActive (driver query, registry round trip)", page.handlers);
    PrintTimeRow("for reference: the same template as a plain page whose dialog procedure does nothing "
                 "(PSPCB_CREATE until PSN_SETACTIVE)", page.plain);
    PrintTimeRow("the whole PropertySheetA call with the DLL's page (the sheet's frame included)", sheet);
    std::printf("| **one full paint**, median of %d, own / plain: | | | |\n", kPaintRuns);
    PrintPaintRow("slider (trackbar + overlay) / plain trackbar", slider, "at most 1.5x", Met(slider.Ratio() <= 1.5));
    PrintPaintRow("logo (transparent) / plain static", logo, "at most 3x", Met(logo.Ratio() <= 3));
    PrintPaintRow("logo (transparent) / static showing the same bitmap", logoOverBitmap, "at most 2x",
                  Met(logoOverBitmap.Ratio() <= 2));
    PrintCallCounts("one OnInitDialog + OnSetActive", calls);
    PrintCallCounts("one paint of the logo", logoCalls);
    PrintUncounted(calls, image);
    PrintImports(image);
    return 0;
}
