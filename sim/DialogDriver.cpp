#include "DialogDriver.h"
#include <commctrl.h>

namespace {
DialogDriver* g_pDriver = nullptr;
}

DialogDriver::DialogDriver()
    : m_hook(::SetWindowsHookExA(WH_CALLWNDPROCRET, &Hook, nullptr, ::GetCurrentThreadId())) {
    g_pDriver = this;
}

DialogDriver::~DialogDriver() {
    ::UnhookWindowsHookEx(m_hook);
    if (g_pDriver == this) g_pDriver = nullptr;
}

LRESULT CALLBACK DialogDriver::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    DialogDriver* self = g_pDriver;
    if (code == HC_ACTION && self && msg->message == WM_INITDIALOG &&
        !(::GetWindowLongA(msg->hwnd, GWL_STYLE) & WS_CHILD)) {
        ++self->m_seen;
        if (!self->m_actions.empty()) {
            Action action = std::move(self->m_actions.front());
            self->m_actions.pop_front();
            action(msg->hwnd);
        } else if (self->m_otherwise) {
            self->m_otherwise(msg->hwnd);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

DialogDriver::Action DialogDriver::Click(int id) {
    return [id](HWND hDlg) { ::PostMessageA(::GetDlgItem(hDlg, id), BM_CLICK, 0, 0); };
}

DialogDriver::Action DialogDriver::PressKey(UINT vk) {
    return [vk](HWND hDlg) {
        // The key goes to the control with the focus, as typing would; the modal loop's
        // dialog-message handling turns Enter and Esc into commands.
        HWND target = ::GetFocus();
        if (!target || (target != hDlg && !::IsChild(hDlg, target))) target = hDlg;
        ::PostMessageA(target, WM_KEYDOWN, vk, 1);
        ::PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    };
}

DialogDriver::Action DialogDriver::Close() {
    return [](HWND hDlg) { ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

DialogDriver::Action DialogDriver::PostTimer(UINT_PTR id) {
    return [id](HWND hDlg) { ::PostMessageA(hDlg, WM_TIMER, id, 0); };
}

void DialogDriver::DragSlider(HWND hSlider, int pos) {
    HWND hParent = ::GetParent(hSlider);
    ::SendMessageA(hSlider, TBM_SETPOS, TRUE, pos);
    ::SendMessageA(hParent, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, pos), reinterpret_cast<LPARAM>(hSlider));
    ::SendMessageA(hParent, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(hSlider));
}
