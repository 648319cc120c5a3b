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
#include "hostres.h"
#include "VirtualAdapter.h"

namespace {

void PrintUsage() {
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_HOST_USAGE), RT_RCDATA);
    HGLOBAL loaded = found ? ::LoadResource(nullptr, found) : nullptr;
    if (loaded) std::fwrite(::LockResource(loaded), 1, ::SizeofResource(nullptr, found), stdout);
}

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
        PrintUsage();
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
