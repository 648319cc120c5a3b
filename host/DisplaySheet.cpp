#include "DisplaySheet.h"
#include <commctrl.h>
#include <cstdio>
#include "hostres.h"

const wchar_t DisplaySheet::kControlsFolderKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Display";

namespace {

// One of the stand-in's texts, in the user's language.
std::string HostText(UINT id) {
    char text[128];
    return std::string(text, ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text));
}

}  // namespace

DisplaySheet::~DisplaySheet() { Close(); }

bool DisplaySheet::LoadHandlers() {
    if (!m_hpsxa) m_hpsxa = ::SHCreatePropSheetExtArray(HKEY_LOCAL_MACHINE, kControlsFolderKey, 16);
    return m_hpsxa != nullptr;
}

BOOL CALLBACK DisplaySheet::AddPage(HPROPSHEETPAGE hPage, LPARAM lParam) {
    auto* self = reinterpret_cast<DisplaySheet*>(lParam);
    self->m_pages.push_back(hPage);
    return TRUE;
}

INT_PTR CALLBACK DisplaySheet::SettingsPageProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    HDC hdc = ::GetDC(nullptr);
    const int bits = ::GetDeviceCaps(hdc, BITSPIXEL) * ::GetDeviceCaps(hdc, PLANES);
    ::ReleaseDC(nullptr, hdc);
    char text[64];
    std::snprintf(text, sizeof text, HostText(IDS_HOST_AREA).c_str(), ::GetSystemMetrics(SM_CXSCREEN),
                  ::GetSystemMetrics(SM_CYSCREEN));
    ::SetDlgItemTextA(hWnd, IDC_HOST_AREA, text);
    std::snprintf(text, sizeof text, HostText(bits >= 24 ? IDS_HOST_TRUE_COLOR : IDS_HOST_COLORS).c_str(), bits);
    ::SetDlgItemTextA(hWnd, IDC_HOST_COLORS, text);
    return TRUE;
}

void DisplaySheet::UseHandler(IShellPropSheetExt* pHandler) { m_pHandler = pHandler; }

namespace {
// The sheet being shown; there is one at a time on the shell's thread.
DisplaySheet* g_pShowing = nullptr;
}

int CALLBACK DisplaySheet::SheetCallback(HWND hSheet, UINT message, LPARAM) {
    // The modal loop starts once the sheet is made: the timer runs the rest inside it.
    if (message == PSCB_INITIALIZED && g_pShowing) {
        g_pShowing->m_hSheet = hSheet;
        ::SetTimer(nullptr, 0, 0, &DisplaySheet::Start);
    }
    return 0;
}

void CALLBACK DisplaySheet::Start(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    DisplaySheet* self = g_pShowing;
    if (!self || !self->m_hSheet) return;
    if (!self->m_startPage.empty()) SelectSheetPage(self->m_hSheet, self->m_startPage.c_str());
    if (self->m_script) self->m_script(self->m_hSheet);
}

bool DisplaySheet::Run(const char* startPage, Script script) {
    PROPSHEETPAGEA psp = {};
    psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    psp.hInstance = ::GetModuleHandleA(nullptr);
    psp.pszTemplate = MAKEINTRESOURCEA(IDD_HOST_SETTINGS);
    psp.pfnDlgProc = &SettingsPageProc;
    m_pages.clear();
    if (HPROPSHEETPAGE hOwn = ::CreatePropertySheetPageA(&psp)) m_pages.push_back(hOwn);
    if (m_hpsxa) ::SHAddFromPropSheetExtArray(m_hpsxa, &AddPage, reinterpret_cast<LPARAM>(this));
    if (m_pHandler) m_pHandler->AddPages(&AddPage, reinterpret_cast<LPARAM>(this));

    PROPSHEETHEADERA psh = {};
    psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    psh.dwFlags = PSH_USECALLBACK;
    psh.hInstance = ::GetModuleHandleA(nullptr);
    const std::string caption = HostText(IDS_HOST_CAPTION);
    psh.pszCaption = caption.c_str();
    psh.nPages = static_cast<UINT>(m_pages.size());
    psh.phpage = m_pages.data();
    psh.pfnCallback = &SheetCallback;
    m_startPage = startPage ? startPage : "";
    m_script = std::move(script);
    m_hSheet = nullptr;
    g_pShowing = this;
    const INT_PTR result = ::PropertySheetA(&psh);
    g_pShowing = nullptr;
    m_hSheet = nullptr;
    m_script = nullptr;
    // A sheet that could not be made leaves the pages to whoever made them.
    if (result < 0) {
        for (HPROPSHEETPAGE hPage : m_pages) ::DestroyPropertySheetPage(hPage);
    }
    return result >= 0;
}

std::vector<std::string> SheetTabCaptions(HWND hSheet) {
    std::vector<std::string> captions;
    if (!hSheet) return captions;
    HWND hTab = PropSheet_GetTabControl(hSheet);
    const int count = TabCtrl_GetItemCount(hTab);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(hTab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(text);
    }
    return captions;
}

HWND SelectSheetPage(HWND hSheet, const char* caption) {
    const std::vector<std::string> captions = SheetTabCaptions(hSheet);
    for (size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] != caption) continue;
        PropSheet_SetCurSel(hSheet, nullptr, i);
        return PropSheet_GetCurrentPageHwnd(hSheet);
    }
    return nullptr;
}

void DisplaySheet::Close() {
    m_pages.clear();
    if (m_hpsxa) ::SHDestroyPropSheetExtArray(m_hpsxa);
    m_hpsxa = nullptr;
    if (m_pHandler) m_pHandler->Release();
    m_pHandler = nullptr;
}
