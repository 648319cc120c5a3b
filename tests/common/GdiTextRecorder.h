// Records the text the test program's code draws with TextOutA and DrawTextA while it exists,
// with the device context's text colour at the time, passing every call on to the real function.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "ImportPatch.h"

class GdiTextRecorder {
public:
    struct Call {
        std::string text;
        POINT at;     // TextOutA
        RECT rect;    // DrawTextA
        UINT format;  // DrawTextA
        COLORREF colour;
    };

    GdiTextRecorder();

    std::vector<Call> textOuts, drawTexts;

private:
    ImportHook<decltype(&::TextOutA)> m_textOut;
    ImportHook<decltype(&::DrawTextA)> m_drawText;
};
