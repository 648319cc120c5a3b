// The user at the dialogs: acts on top-level dialogs (message boxes included) as they open on
// this thread, from inside their modal loops. When a dialog finishes WM_INITDIALOG, the next
// scripted action runs with its window. Actions post input (clicks, keys) rather than call
// into the dialog.
#pragma once
#include <windows.h>
#include <deque>
#include <functional>

class DialogDriver {
public:
    using Action = std::function<void(HWND hDlg)>;
    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    DialogDriver& Then(Action action) {
        m_actions.push_back(std::move(action));
        return *this;
    }
    // Runs for every dialog that opens once the queued actions are used up.
    DialogDriver& Otherwise(Action action) {
        m_otherwise = std::move(action);
        return *this;
    }
    int DialogsSeen() const { return m_seen; }

    // Common actions.
    static Action Click(int id);
    static Action PressKey(UINT vk);
    static Action Close();
    static Action PostTimer(UINT_PTR id);

    // Drags a trackbar's thumb to pos: the thumb moves, and the parent gets what a drag sends it.
    static void DragSlider(HWND hSlider, int pos);

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    std::deque<Action> m_actions;
    Action m_otherwise;
    HHOOK m_hook;
    int m_seen = 0;
};
