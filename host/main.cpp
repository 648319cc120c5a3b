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
#include "Automation.h"
#include "DisplaySheet.h"
#include "VirtualAdapter.h"

namespace {

const char kUsage[] =
    "Usage: display-properties [options]\n"
    "Shows the Display Properties sheet with the registered property-sheet handlers,\n"
    "on a virtual adapter.\n\n"
    "The virtual adapter:\n"
    "  --rates LIST          refresh rates the driver offers, e.g. 60,70,72,75,85 (default: what\n"
    "                        suits the screen's resolution; 60,70,72,75,85 at 1024 x 768)\n"
    "  --current HZ          rate in force (default: the rate kept from the last run, else 60)\n"
    "  --limit HZ|none       monitor's highest rate (default 85)\n"
    "  --escape-support N    driver's answer to QUERYESCSUPPORT for its refresh escape (default 1)\n"
    "  --mode-result N       result of every display-mode change (default 0, success)\n"
    "  --driver-client DLL   module whose driver calls it answers (default tavrolin.dll)\n"
    "The sheet:\n"
    "  --page CAPTION        tab to open on (default: the first)\n"
    "Unattended runs (the sheet closes when the script is done):\n"
    "  --select-rate HZ      move the Tavrolin page's slider to this rate\n"
    "  --refresh-test        press Refresh Test and accept the warning\n"
    "  --answer yes|no|none  answer to the confirmation dialog (default yes; none lets it time out)\n"
    "  --apply               press OK at the end\n"
    "  --report-rate         print the rate the page's slider shows\n"
    "  --report-tabs         print the sheet's tabs and the file the driver client was loaded from\n"
    "  --screenshot FILE     save a BMP of the sheet (with the confirmation dialog during a test)\n"
    "  --help                this text\n";

// Where the virtual adapter keeps the rate in force between runs.
const char kStateKey[] = "Software\\Tavrolin\\Virtual Adapter";

// What a typical card of the time offers at each resolution, highest resolution last.
const char* RatesForResolution(int width) {
    if (width <= 640) return "60,72,75,85,100";
    if (width <= 800) return "60,72,75,85";
    if (width <= 1024) return "60,70,72,75,85";
    if (width <= 1280) return "60,70,75";
    return "60";
}

struct Options {
    std::string rates;
    int current = 0;
    std::string limit = "85";
    int escapeSupport = 1;
    LONG modeResult = DISP_CHANGE_SUCCESSFUL;
    std::string page;
    std::string driverClient = "tavrolin.dll";
    AutomationScript script;
    bool unattended = false;
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--refresh-test") o.script.refreshTest = true;
        else if (arg == "--apply") o.script.apply = true;
        else if (arg == "--report-rate") o.script.reportRate = true;
        else if (arg == "--report-tabs") o.script.reportTabs = true;
        else if (i + 1 >= argc) return false;
        else if (arg == "--rates") o.rates = argv[++i];
        else if (arg == "--current") o.current = std::atoi(argv[++i]);
        else if (arg == "--limit") o.limit = argv[++i];
        else if (arg == "--escape-support") o.escapeSupport = std::atoi(argv[++i]);
        else if (arg == "--mode-result") o.modeResult = std::atol(argv[++i]);
        else if (arg == "--page") o.page = argv[++i];
        else if (arg == "--driver-client") o.driverClient = argv[++i];
        else if (arg == "--select-rate") o.script.selectRate = std::atoi(argv[++i]);
        else if (arg == "--answer") o.script.answer = argv[++i];
        else if (arg == "--screenshot") o.script.screenshot = argv[++i];
        else return false;
        o.unattended |= arg != "--rates" && arg != "--current" && arg != "--limit" && arg != "--escape-support" &&
                        arg != "--mode-result" && arg != "--page" && arg != "--driver-client";
    }
    return true;
}

void Configure(VirtualAdapter& adapter, Options& o) {
    adapter.rates.clear();
    if (o.rates.empty()) o.rates = RatesForResolution(::GetSystemMetrics(SM_CXSCREEN));
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

    // What the page will list: the driver's answer, read by the page's own rule.
    RefreshEscapeRecord reply = {};
    adapter.AnswerQuery(reply);
    for (int i = 0; i < CountOfferedRates(reply); ++i) o.script.rates.push_back(reply.awRates[i]);
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
    if (HMODULE client = ::GetModuleHandleA(options.driverClient.c_str())) {
        adapter.Plug(client);
        char path[MAX_PATH];
        if (options.script.reportTabs && ::GetModuleFileNameA(client, path, MAX_PATH)) std::printf("handler file: %s\n", path);
    }
    int rc = 0;
    bool completed = true;
    DisplaySheet::Script script;
    if (options.unattended) script = [&](HWND hSheet) { completed = Automation(options.script).Run(hSheet); };
    if (!sheet.Run(options.page.empty() ? nullptr : options.page.c_str(), script)) {
        std::fputs("display-properties: the sheet could not be created\n", stderr);
        rc = 1;
    } else if (!completed) {
        std::fputs("display-properties: the script could not be completed\n", stderr);
        rc = 1;
    }
    sheet.Close();
    WriteRegistryString(HKEY_CURRENT_USER, kStateKey, "RefreshRate", std::to_string(adapter.currentRate));
    std::printf("rate in force: %d Hz\n", adapter.currentRate);
    ::CoUninitialize();
    return rc;
}
