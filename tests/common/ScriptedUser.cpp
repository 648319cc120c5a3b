#include "ScriptedUser.h"
#include <gtest/gtest.h>

namespace {
ScriptedUser* g_pUser = nullptr;
}

ScriptedUser::ScriptedUser(HMODULE module)
    : m_messageBox(module, "USER32.dll", "MessageBoxA", reinterpret_cast<const void*>(&MessageBoxA_)),
      m_exitWindows(module, "USER32.dll", "ExitWindowsEx", reinterpret_cast<const void*>(&ExitWindowsEx_)) {
    g_pUser = this;
}

ScriptedUser::~ScriptedUser() {
    if (g_pUser == this) g_pUser = nullptr;
}

int WINAPI ScriptedUser::MessageBoxA_(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    ScriptedUser* self = g_pUser;
    Box box = { owner, text ? text : "", caption ? caption : "", type };
    self->boxes.push_back(box);
    if (self->onBox) self->onBox(box);
    if (self->m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << box.text << "\" (" << box.caption << ")";
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
    const int answer = self->m_answers.front();
    self->m_answers.pop_front();
    return answer;
}

BOOL WINAPI ScriptedUser::ExitWindowsEx_(UINT flags, DWORD reason) {
    g_pUser->exits.emplace_back(flags, reason);
    return TRUE;
}
