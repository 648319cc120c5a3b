// The settings page in a real property sheet, on the virtual adapter, with a scripted user and
// the adapter's registry entries seeded for the test and removed afterwards. The page's code is
// compiled into the test program, so all of its platform calls can be watched here.
#pragma once
#include <windows.h>
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
    PageHarness();
    ~PageHarness();

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
    // Types a key, or Alt and a letter, at the window with the focus; the sheet's dialog manager
    // sees it first, as in the shell's message loop.
    void PressKey(UINT vk);
    void PressAlt(char letter);
    // The id of the page's control with the focus; 0 when the focus is elsewhere.
    int FocusedControl(int page = 0) const;

    // A value under DEFAULT, or nothing.
    std::optional<std::string> Value(const char* name) const;

    AdapterRegistry adapterRegistry;
    VirtualAdapter adapter;
    std::unique_ptr<ScriptedUser> user;
    std::unique_ptr<ResourceLedger> ledger;
    std::unique_ptr<TestSheet> sheet;

private:
    // The window with the focus, or the sheet when the focus is outside it.
    HWND KeyTarget() const;
};
