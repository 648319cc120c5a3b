// A real, modeless comctl32 property sheet holding the pages a test collected, as the shell
// would show them. Destroying the sheet releases every page handle it holds.
#pragma once
#include <windows.h>
#include <prsht.h>
#include <string>
#include <vector>

class TestSheet {
public:
    explicit TestSheet(std::vector<HPROPSHEETPAGE> pages, const char* caption = "Display Properties");
    ~TestSheet();
    TestSheet(const TestSheet&) = delete;
    TestSheet& operator=(const TestSheet&) = delete;

    HWND Window() const { return m_hSheet; }
    std::vector<std::string> Tabs() const;
    // Makes page `index` the active page (its window is created on first activation).
    void Select(int index);
    HWND CurrentPage() const;
    // Presses a button of the sheet (IDOK, IDCANCEL, ID_APPLY_NOW) the way a click does.
    void Press(int id);
    // TRUE while the sheet has not been ended by OK, Cancel or its close box.
    bool IsOpen() const;
    void Destroy();

private:
    HWND m_hSheet = nullptr;
};

// Collects pages handed to an add-page callback; `accept` says what the callback answers.
struct PageCollector {
    std::vector<HPROPSHEETPAGE> pages;
    int calls = 0;
    BOOL accept = TRUE;
    static BOOL CALLBACK Add(HPROPSHEETPAGE hPage, LPARAM lParam);
    LPARAM Param() { return reinterpret_cast<LPARAM>(this); }
};
