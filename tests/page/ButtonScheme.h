// A colour scheme's button colours (the dialog's face, its text, shadow and highlight), set for
// the whole session while this lives, then put back; the tests of the page's own-drawn controls
// run under several.
#pragma once
#include <windows.h>

struct SchemeColours {
    const char* name;
    COLORREF face, text, shadow, highlight;
};

// The standard scheme first.
constexpr SchemeColours kSchemes[] = {
    { "standard", RGB(192, 192, 192), RGB(0, 0, 0), RGB(128, 128, 128), RGB(255, 255, 255) },
    { "high-contrast black", RGB(0, 0, 0), RGB(255, 255, 255), RGB(128, 128, 128), RGB(255, 255, 255) },
    { "high-contrast white", RGB(255, 255, 255), RGB(0, 0, 0), RGB(128, 128, 128), RGB(0, 0, 0) },
    { "dark blue", RGB(0, 0, 128), RGB(255, 255, 255), RGB(0, 0, 64), RGB(64, 64, 192) },
};

class ButtonScheme {
public:
    explicit ButtonScheme(const SchemeColours& scheme) {
        for (int i = 0; i < kCount; ++i) m_saved[i] = ::GetSysColor(kElements[i]);
        const COLORREF colours[kCount] = { scheme.face, scheme.text, scheme.shadow, scheme.highlight };
        ::SetSysColors(kCount, kElements, colours);
    }
    ~ButtonScheme() { ::SetSysColors(kCount, kElements, m_saved); }
    ButtonScheme(const ButtonScheme&) = delete;
    ButtonScheme& operator=(const ButtonScheme&) = delete;

private:
    static constexpr int kCount = 4;
    static constexpr int kElements[kCount] = { COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT };
    COLORREF m_saved[kCount];
};
