#include "GdiTextRecorder.h"

GdiTextRecorder::GdiTextRecorder()
    : m_textOut(::GetModuleHandleA(nullptr), "GDI32.dll", "TextOutA",
                [this](auto real, HDC hdc, int x, int y, LPCSTR text, int length) {
                    textOuts.push_back({ std::string(text, length), { x, y }, {}, 0, ::GetTextColor(hdc) });
                    return real(hdc, x, y, text, length);
                }),
      m_drawText(::GetModuleHandleA(nullptr), "USER32.dll", "DrawTextA",
                 [this](auto real, HDC hdc, LPCSTR text, int length, LPRECT rect, UINT format) {
                     drawTexts.push_back({ length < 0 ? text : std::string(text, length), {}, *rect, format, ::GetTextColor(hdc) });
                     return real(hdc, text, length, rect, format);
                 }) {}
