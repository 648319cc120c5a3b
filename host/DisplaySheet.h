// The "Display Properties" sheet as the Windows shell builds it: its own Settings page, then
// the pages of every property-sheet handler registered for the Display control panel, loaded
// through shell32's extension-array functions; shown modally, and the handlers let go once it
// has closed.
#pragma once
#include <windows.h>
#include <shlobj.h>
#include <functional>
#include <string>
#include <vector>

// Tab captions of a property sheet, in order.
std::vector<std::string> SheetTabCaptions(HWND hSheet);
// Makes the page with this tab caption the current one; its window, or nullptr when none has it.
HWND SelectSheetPage(HWND hSheet, const char* caption);

class DisplaySheet {
public:
    // The key under HKEY_LOCAL_MACHINE whose shellex\PropertySheetHandlers the shell reads.
    static const wchar_t kControlsFolderKey[];
    // Runs once the sheet is up, inside its modal loop, with the sheet's window; it may drive the
    // sheet through boxes and dialogs of its own, and should end it.
    using Script = std::function<void(HWND hSheet)>;

    DisplaySheet() = default;
    ~DisplaySheet();
    DisplaySheet(const DisplaySheet&) = delete;
    DisplaySheet& operator=(const DisplaySheet&) = delete;

    // Creates the registered handlers (each gets Initialize from shell32). FALSE: none could be read.
    bool LoadHandlers();
    // Takes the pages of this one handler instead, made by the caller; released by Close.
    void UseHandler(IShellPropSheetExt* pHandler);
    // Lets the handlers add their pages and shows the sheet until it is closed; startPage names a
    // tab to open on. FALSE when the sheet could not be shown.
    bool Run(const char* startPage = nullptr, Script script = {});
    // Lets the handlers go, as the shell does once the sheet has closed.
    void Close();
    int PageCount() const { return static_cast<int>(m_pages.size()); }

private:
    static BOOL CALLBACK AddPage(HPROPSHEETPAGE hPage, LPARAM lParam);
    static INT_PTR CALLBACK SettingsPageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static int CALLBACK SheetCallback(HWND hSheet, UINT message, LPARAM lParam);
    static void CALLBACK Start(HWND, UINT, UINT_PTR id, DWORD);

    HPSXA m_hpsxa = nullptr;
    IShellPropSheetExt* m_pHandler = nullptr;
    std::vector<HPROPSHEETPAGE> m_pages;
    HWND m_hSheet = nullptr;
    std::string m_startPage;
    Script m_script;
};
