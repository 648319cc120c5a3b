#include "TestSheet.h"
#include <commctrl.h>
#include "DisplaySheet.h"
#include "MessagePump.h"

TestSheet::TestSheet(std::vector<HPROPSHEETPAGE> pages, const char* caption) {
    PROPSHEETHEADERA psh = {};
    psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    psh.dwFlags = PSH_MODELESS;
    psh.pszCaption = caption;
    psh.nPages = static_cast<UINT>(pages.size());
    psh.phpage = pages.data();
    const INT_PTR result = ::PropertySheetA(&psh);
    m_hSheet = result > 0 ? reinterpret_cast<HWND>(result) : nullptr;
    PumpPending();
}

TestSheet::~TestSheet() { Destroy(); }

void TestSheet::Destroy() {
    if (m_hSheet) ::DestroyWindow(m_hSheet);
    m_hSheet = nullptr;
    PumpPending();
}

std::vector<std::string> TestSheet::Tabs() const { return SheetTabCaptions(m_hSheet); }

void TestSheet::Select(int index) {
    PropSheet_SetCurSel(m_hSheet, nullptr, index);
    PumpPending();
}

HWND TestSheet::CurrentPage() const { return PropSheet_GetCurrentPageHwnd(m_hSheet); }

void TestSheet::Press(int id) {
    ::PostMessageA(m_hSheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(m_hSheet, id)));
    PumpPending();
}

bool TestSheet::IsOpen() const { return m_hSheet && PropSheet_GetCurrentPageHwnd(m_hSheet); }

BOOL CALLBACK PageCollector::Add(HPROPSHEETPAGE hPage, LPARAM lParam) {
    auto* self = reinterpret_cast<PageCollector*>(lParam);
    ++self->calls;
    if (self->accept) self->pages.push_back(hPage);
    return self->accept;
}
