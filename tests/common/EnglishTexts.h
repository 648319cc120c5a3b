// What the page shows in English, spelled out once for every test program.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// What a user sees on the page and in its boxes, in one language.
struct PageTexts {
    std::vector<std::wstring> page;     // the page's controls in order (the trackbar's and logo's included)
    std::vector<std::wstring> confirm;  // the confirmation dialog: caption, then its controls' texts
    std::vector<std::wstring> strings;  // string table entries 1, 2, ... 15
};
extern const PageTexts kEnglishTexts;

// String table entry id in English, as the page's A-functions pass it.
std::string EnglishString(UINT id);
