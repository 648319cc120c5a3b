// display-properties.exe: a stand-in for the Windows Display control panel on a machine
// without the adapter. It plays the configuration manager and the adapter's driver (the
// virtual adapter), then shows the "Display Properties" sheet the way the shell builds it.
#include <windows.h>
#include <objbase.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include "AdapterRegistry.h"
#include "DisplaySheet.h"
#include "ScreenCapture.h"
#include "VirtualAdapter.h"

namespace {

const char kUsage[] =
    "Usage: display-properties [options]\n"
    "Shows the Display Properties sheet with the registered property-sheet handlers,\n"
    "on a virtual adapter.\n\n"
    "  --rates LIST          refresh rates the driver offers, e.g. 60,70,72,75,85 (default)\n"
    "  --current HZ          rate in force (default: the rate kept from the last run, else 60)\n"
    "  --limit HZ|none       monitor's highest rate (default 85)\n"
    "  --escape-support N    driver's answer to QUERYESCSUPPORT for its refresh escape (default 1)\n"
    "  --mode-result N       result of every display-mode change (default 0, success)\n"
    "  --page CAPTION        tab to open on (default: the first)\n"
    "  --driver-client DLL   module whose driver calls the virtual adapter answers (default tavrolin.dll)\n"
    "  --screenshot FILE     save the sheet as a BMP once it is drawn, then close it\n"
    "  --help                this text\n";

// Where the virtual adapter keeps the rate in force between runs.
const char kStateKey[] = "Software\\Tavrolin\\Virtual Adapter";

struct Options {
    std::string rates = "60,70,72,75,85";
    int current = 0;
    std::string limit = "85";
    int escapeSupport = 1;
    LONG modeResult = DISP_CHANGE_SUCCESSFUL;
    std::string page;
    std::string driverClient = "tavrolin.dll";
    std::string screenshot;
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") return false;
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        if (arg == "--rates") o.rates = value;
        else if (arg == "--current") o.current = std::atoi(value);
        else if (arg == "--limit") o.limit = value;
        else if (arg == "--escape-support") o.escapeSupport = std::atoi(value);
        else if (arg == "--mode-result") o.modeResult = std::atol(value);
        else if (arg == "--page") o.page = value;
        else if (arg == "--driver-client") o.driverClient = value;
        else if (arg == "--screenshot") o.screenshot = value;
        else return false;
    }
    return true;
}

void Configure(VirtualAdapter& adapter, const Options& o) {
    adapter.rates.clear();
    for (const char* p = o.rates.c_str(); *p;) {
        char* end;
        const long rate = std::strtol(p, &end, 10);
        if (end == p) break;
        adapter.rates.push_back(static_cast<SHORT>(rate));
        p = *end == ',' ? end + 1 : end;
    }
    if (o.limit == "none") adapter.limitMode = LIMIT_NONE;
    else adapter.maxRate = static_cast<SHORT>(std::atoi(o.limit.c_str()));
    adapter.escapeSupport = o.escapeSupport;
    adapter.modeChangeResult = o.modeResult;
    const int kept = std::atoi(ReadRegistryString(HKEY_CURRENT_USER, kStateKey, "RefreshRate", "60").c_str());
    adapter.currentRate = static_cast<SHORT>(o.current ? o.current : kept);
}

// Lets the sheet finish drawing: handles messages until none has come for a moment.
void DrainMessages(DisplaySheet& sheet) {
    for (int quiet = 0; quiet < 3;) {
        MSG msg;
        bool any = false;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            sheet.Dispatch(msg);
            any = true;
        }
        ::RedrawWindow(sheet.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        quiet = any ? 0 : quiet + 1;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stdout);
        return argc > 1 && std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
    }
    ::CoInitialize(nullptr);
    AdapterRegistry().Install();
    VirtualAdapter adapter;
    Configure(adapter, options);

    DisplaySheet sheet;
    sheet.LoadHandlers();
    if (HMODULE client = ::GetModuleHandleA(options.driverClient.c_str())) adapter.Plug(client);
    if (!sheet.Show(options.page.empty() ? nullptr : options.page.c_str())) {
        std::fputs("display-properties: the sheet could not be created\n", stderr);
        ::CoUninitialize();
        return 1;
    }
    int rc = 0;
    if (!options.screenshot.empty()) {
        DrainMessages(sheet);
        if (SaveWindowImage(sheet.Window(), options.screenshot.c_str())) std::printf("%s\n", options.screenshot.c_str());
        else rc = 1;
    } else {
        sheet.Run();
    }
    sheet.Close();
    WriteRegistryString(HKEY_CURRENT_USER, kStateKey, "RefreshRate", std::to_string(adapter.currentRate));
    ::CoUninitialize();
    return rc;
}
