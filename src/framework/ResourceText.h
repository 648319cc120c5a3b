// A string from the module's string table, in the user's language: what message boxes and
// painted labels show.
#pragma once
#include <windows.h>

class CResourceText {
public:
    // The room for a text, its terminator included, in the user's ANSI code page: a longer one
    // is cut.
    static constexpr int kCapacity = 512;

    explicit CResourceText(UINT nID);
    operator const char*() const { return m_szText; }
    int GetLength() const { return m_nLength; }

private:
    char m_szText[kCapacity];
    int m_nLength;
};
