// The user at the message boxes: MessageBoxA calls of the module are recorded and answered
// from a script, and ExitWindowsEx is recorded and never reaches Wine.
#pragma once
#include <windows.h>
#include <deque>
#include <functional>
#include <string>
#include <vector>
#include "ImportPatch.h"

class ScriptedUser {
public:
    explicit ScriptedUser(HMODULE module = ::GetModuleHandleA(nullptr));
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    // Queues the answers to the next message boxes, in order.
    ScriptedUser& Answer(int id) {
        m_answers.push_back(id);
        return *this;
    }

    struct Box {
        HWND owner;
        std::string text, caption;
        UINT type;
    };
    std::vector<Box> boxes;
    std::vector<std::pair<UINT, DWORD>> exits;  // ExitWindowsEx(flags, reason)
    // Runs as each box is shown, before it is answered (e.g. to look at the registry then).
    std::function<void(const Box&)> onBox;
    // Answers left unused.
    size_t Unanswered() const { return m_answers.size(); }

private:
    int Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

    std::deque<int> m_answers;
    ImportHook<decltype(&::MessageBoxA)> m_messageBox;
    ImportHook<decltype(&::ExitWindowsEx)> m_exitWindows;
};
