// A string from the module's string table, in the user's language: what message boxes and
// painted labels show.
#pragma once
#include <windows.h>

class CResourceText {
public:
    explicit CResourceText(UINT nID);
    operator const char*() const { return m_szText; }
    int GetLength() const { return m_nLength; }

private:
    char m_szText[512];
    int m_nLength;
};
