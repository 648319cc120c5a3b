#include "ScriptedUser.h"
#include <gtest/gtest.h>

ScriptedUser::ScriptedUser(HMODULE module)
    : m_messageBox(module, "USER32.dll", "MessageBoxA",
                   [this](auto, HWND owner, LPCSTR text, LPCSTR caption, UINT type) { return Show(owner, text, caption, type); }),
      m_exitWindows(module, "USER32.dll", "ExitWindowsEx", [this](auto, UINT flags, DWORD reason) {
          exits.emplace_back(flags, reason);
          return TRUE;
      }) {}

int ScriptedUser::Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    Box box = { owner, text ? text : "", caption ? caption : "", type };
    boxes.push_back(box);
    if (onBox) onBox(box);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << box.text << "\" (" << box.caption << ")";
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
