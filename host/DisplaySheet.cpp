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

HWND DisplaySheet::Show(const char* startPage) {
    PROPSHEETPAGEA psp = {};
    psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    psp.hInstance = ::GetModuleHandleA(nullptr);
    psp.pszTemplate = MAKEINTRESOURCEA(IDD_HOST_SETTINGS);
    psp.pfnDlgProc = &SettingsPageProc;
    m_pages.clear();
    if (HPROPSHEETPAGE hOwn = ::CreatePropertySheetPageA(&psp)) m_pages.push_back(hOwn);
    if (m_hpsxa) ::SHAddFromPropSheetExtArray(m_hpsxa, &AddPage, reinterpret_cast<LPARAM>(this));

    PROPSHEETHEADERA psh = {};
    psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    psh.dwFlags = PSH_MODELESS;
    psh.hInstance = ::GetModuleHandleA(nullptr);
    const std::string caption = HostText(IDS_HOST_CAPTION);
    psh.pszCaption = caption.c_str();
    psh.nPages = static_cast<UINT>(m_pages.size());
    psh.phpage = m_pages.data();
    m_hSheet = reinterpret_cast<HWND>(::PropertySheetA(&psh));
    if (!m_hSheet || m_hSheet == reinterpret_cast<HWND>(-1)) {
        for (HPROPSHEETPAGE hPage : m_pages) ::DestroyPropertySheetPage(hPage);
        m_pages.clear();
        m_hSheet = nullptr;
        return nullptr;
    }
    if (startPage) {
        const std::vector<std::string> captions = TabCaptions();
        for (size_t i = 0; i < captions.size(); ++i)
            if (captions[i] == startPage) PropSheet_SetCurSel(m_hSheet, nullptr, i);
    }
    return m_hSheet;
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

bool DisplaySheet::IsOpen() {
    // A modeless sheet has no current page once OK, Cancel or the close box ended it.
    if (m_hSheet && !PropSheet_GetCurrentPageHwnd(m_hSheet)) {
        ::DestroyWindow(m_hSheet);
        m_hSheet = nullptr;
    }
    return m_hSheet != nullptr;
}

void DisplaySheet::Dispatch(MSG& msg) {
    if (m_hSheet && PropSheet_IsDialogMessage(m_hSheet, &msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

void DisplaySheet::Run() {
    MSG msg;
    while (IsOpen() && ::GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void DisplaySheet::Close() {
    if (m_hSheet) ::DestroyWindow(m_hSheet);
    m_hSheet = nullptr;
    m_pages.clear();
    if (m_hpsxa) ::SHDestroyPropSheetExtArray(m_hpsxa);
    m_hpsxa = nullptr;
}
