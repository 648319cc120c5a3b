#include "GdiTextRecorder.h"

namespace {
GdiTextRecorder* g_pRecorder = nullptr;
}

GdiTextRecorder::GdiTextRecorder()
    : m_textOut(::GetModuleHandleA(nullptr), "GDI32.dll", "TextOutA", reinterpret_cast<const void*>(&TextOutA_)),
      m_drawText(::GetModuleHandleA(nullptr), "USER32.dll", "DrawTextA", reinterpret_cast<const void*>(&DrawTextA_)) {
    g_pRecorder = this;
}

GdiTextRecorder::~GdiTextRecorder() { g_pRecorder = nullptr; }

BOOL WINAPI GdiTextRecorder::TextOutA_(HDC hdc, int x, int y, LPCSTR text, int length) {
    g_pRecorder->textOuts.push_back({ std::string(text, length), { x, y }, {}, 0, ::GetTextColor(hdc) });
    return OriginalOf<decltype(&::TextOutA)>(g_pRecorder->m_textOut)(hdc, x, y, text, length);
}

int WINAPI GdiTextRecorder::DrawTextA_(HDC hdc, LPCSTR text, int length, LPRECT rect, UINT format) {
    g_pRecorder->drawTexts.push_back({ length < 0 ? text : std::string(text, length), {}, *rect, format, ::GetTextColor(hdc) });
    return OriginalOf<decltype(&::DrawTextA)>(g_pRecorder->m_drawText)(hdc, text, length, rect, format);
}
