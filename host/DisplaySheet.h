// The "Display Properties" sheet as the Windows shell builds it: its own Settings page, then
// the pages of every property-sheet handler registered for the Display control panel, loaded
// through shell32's extension-array functions. Modeless, so a caller can drive it.
#pragma once
#include <windows.h>
#include <shlobj.h>
#include <string>
#include <vector>

// Tab captions of a property sheet, in order.
std::vector<std::string> SheetTabCaptions(HWND hSheet);

class DisplaySheet {
public:
    // The key under HKEY_LOCAL_MACHINE whose shellex\PropertySheetHandlers the shell reads.
    static const wchar_t kControlsFolderKey[];

    DisplaySheet() = default;
    ~DisplaySheet();
    DisplaySheet(const DisplaySheet&) = delete;
    DisplaySheet& operator=(const DisplaySheet&) = delete;

    // Creates the registered handlers (each gets Initialize from shell32). FALSE: none could be read.
    bool LoadHandlers();
    // Lets the handlers add their pages, then shows the sheet; startPage names a tab to open on.
    HWND Show(const char* startPage = nullptr);
    // The sheet's window while it is open, else nullptr.
    HWND Window() const { return m_hSheet; }
    // TRUE while the sheet is open; handles a closed modeless sheet the documented way.
    bool IsOpen();
    // Dispatches one message for the sheet (keyboard navigation included).
    void Dispatch(MSG& msg);
    // Runs the message loop until the sheet is closed.
    void Run();
    // Closes the sheet and destroys the handler array.
    void Close();
    std::vector<std::string> TabCaptions() const { return SheetTabCaptions(m_hSheet); }
    int PageCount() const { return static_cast<int>(m_pages.size()); }

private:
    static BOOL CALLBACK AddPage(HPROPSHEETPAGE hPage, LPARAM lParam);
    static INT_PTR CALLBACK SettingsPageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HPSXA m_hpsxa = nullptr;
    HWND m_hSheet = nullptr;
    std::vector<HPROPSHEETPAGE> m_pages;
};
