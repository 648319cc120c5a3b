// A string from the module's string table, for the page's message boxes.
#pragma once
#include <windows.h>

class CResourceText {
public:
    explicit CResourceText(UINT nID);
    operator const char*() const { return m_szText; }

private:
    char m_szText[512];
};
