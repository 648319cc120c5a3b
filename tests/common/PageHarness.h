// The settings page in a real property sheet, on the virtual adapter, with a scripted user and
// the adapter's registry entries seeded for the test and removed afterwards. The page's code is
// compiled into the test program, so all of its platform calls can be watched here.
#pragma once
#include <windows.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include "AdapterRegistry.h"
#include "ResourceLedger.h"
#include "ScriptedUser.h"
#include "TestSheet.h"
#include "VirtualAdapter.h"

class CDialogDlg;

class PageHarness {
public:
    // Values under the driver key's DEFAULT; a missing entry is a missing value.
    using Values = std::map<std::string, std::string>;
    static Values DefaultValues() { return { { "EnhPer", "0" }, { "MCLK", "70" }, { "RefreshRate", "60" } }; }

    PageHarness();
    ~PageHarness();

    // Seeds the device node, its Enum entry and the DEFAULT values (none: no DEFAULT key).
    void SeedAdapter(const std::optional<Values>& values = DefaultValues());
    // Opens a sheet with `pages` settings pages; the first one is shown.
    void Open(int pages = 1);
    void Close();

    CDialogDlg& Page(int index = 0) const;
    HWND PageWindow(int index = 0) const;
    HWND Control(int id, int page = 0) const { return ::GetDlgItem(PageWindow(page), id); }
    bool IsChecked(int id) const { return ::SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool IsEnabled(int id) const { return ::IsWindowEnabled(Control(id)) != FALSE; }
    bool ApplyEnabled() const;
    // Clicks a button of the page, as the mouse would.
    void Click(int id, int page = 0);
    // Drags the slider to position pos, with the notifications a drag sends.
    void MoveSlider(int pos, int page = 0);
    int SliderPos(int page = 0) const;

    // A value under DEFAULT, or nothing.
    std::optional<std::string> Value(const char* name) const;

    AdapterRegistry adapterRegistry;
    VirtualAdapter adapter;
    std::unique_ptr<ScriptedUser> user;
    std::unique_ptr<ResourceLedger> ledger;
    std::unique_ptr<TestSheet> sheet;
};
