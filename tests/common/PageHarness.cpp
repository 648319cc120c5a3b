#include "PageHarness.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include "DialogDriver.h"
#include "MessagePump.h"
#include "page/DialogDlg.h"
#include "res/resource.h"

PageHarness::PageHarness() {
    ::InitCommonControls();
    HMODULE self = ::GetModuleHandleA(nullptr);
    adapter.Plug(self);
    user = std::make_unique<ScriptedUser>(self);
    // Anything left from an earlier test, or from the Display Properties stand-in, goes first.
    adapterRegistry.RemoveAll();
}

PageHarness::~PageHarness() {
    Close();
    adapterRegistry.RemoveAll();
}

void PageHarness::Open(int pages) {
    // Counted from before the first page exists until after the last one is gone.
    ledger = std::make_unique<ResourceLedger>();
    std::vector<HPROPSHEETPAGE> handles;
    for (int i = 0; i < pages; ++i) {
        handles.push_back((new CDialogDlg)->CreatePageHandle());
    }
    sheet = std::make_unique<TestSheet>(handles);
}

void PageHarness::Close() {
    if (!sheet) return;
    sheet.reset();
    if (ledger) {
        EXPECT_TRUE(ledger->Balanced()) << ledger->Report();
    }
    ledger.reset();
}

HWND PageHarness::PageWindow(int index) const { return PropSheet_IndexToHwnd(sheet->Window(), index); }

CDialogDlg& PageHarness::Page(int index) const {
    return *static_cast<CDialogDlg*>(CWnd::FromHandlePermanent(PageWindow(index)));
}

bool PageHarness::ApplyEnabled() const {
    return ::IsWindowEnabled(::GetDlgItem(sheet->Window(), 0x3021 /* Apply */)) != FALSE;
}

void PageHarness::Click(int id, int page) {
    ::SendMessageA(Control(id, page), BM_CLICK, 0, 0);
    PumpPending();
}

void PageHarness::MoveSlider(int pos, int page) {
    DialogDriver::DragSlider(Control(IDC_REFRESH_SLIDER, page), pos);
    PumpPending();
}

void PageHarness::PressKey(UINT vk) {
    HWND target = KeyTarget();
    ::PostMessageA(target, WM_KEYDOWN, vk, 1);
    ::PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    PumpPending(sheet->Window());
}

void PageHarness::PressAlt(char letter) {
    ::PostMessageA(KeyTarget(), WM_SYSCHAR, static_cast<WPARAM>(letter), 0x20000001 /* Alt down */);
    PumpPending(sheet->Window());
}

HWND PageHarness::KeyTarget() const {
    HWND focus = ::GetFocus();
    return focus && ::IsChild(sheet->Window(), focus) ? focus : sheet->Window();
}

int PageHarness::FocusedControl(int page) const {
    HWND focus = ::GetFocus();
    return focus && ::GetParent(focus) == PageWindow(page) ? ::GetDlgCtrlID(focus) : 0;
}

int PageHarness::SliderPos(int page) const {
    return static_cast<int>(::SendMessageA(Control(IDC_REFRESH_SLIDER, page), TBM_GETPOS, 0, 0));
}

std::optional<std::string> PageHarness::Value(const char* name) const {
    const RegistryValue value = ReadRegistryValue(HKEY_LOCAL_MACHINE, adapterRegistry.ValuesKey(), name);
    if (!value.valueExists) return std::nullopt;
    return std::string(value.data.c_str());
}
