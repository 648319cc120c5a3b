// The page's resources in one language, read from a module the way the resource compiler wrote
// them, and the texts each language must show.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "EnglishTexts.h"

// Every language the module holds dialog template `id` in.
std::vector<LANGID> ResourceLanguages(HMODULE module, UINT id);
// String table entry `id` in one language; empty when that language has none.
std::wstring ResourceString(HMODULE module, LANGID lang, UINT id);
// Dialog template `id` in one language, exactly that language; nullptr when there is none.
const DLGTEMPLATE* DialogTemplate(HMODULE module, LANGID lang, UINT id);

// One control of a dialog template, as the template holds it.
struct TemplateItem {
    DWORD style;
    RECT rect;  // dialog units: x, y, x + cx, y + cy
    int id;
    std::wstring windowClass;  // the predefined classes by name ("BUTTON", "STATIC")
    std::wstring text;         // for an item given by resource number: "#number"
};
struct DialogLayout {
    DWORD style;
    DWORD exStyle;
    SIZE size;
    std::wstring caption;
    int pointSize = 0;  // the font the template names (DS_SETFONT), else none
    std::wstring face;
    std::vector<TemplateItem> items;
};
DialogLayout ReadTemplate(const DLGTEMPLATE* pTemplate);

extern const PageTexts kGermanTexts;
extern const PageTexts kFrenchTexts;
// The texts module holds in exactly one language (as the module, not the page, has them).
PageTexts TextsIn(HMODULE module, LANGID lang);
// Text in the process's ANSI code page, as the page's A-functions pass it, made wide.
std::wstring FromAnsi(const std::string& text);
