// CWnd: a C++ object attached to a window. Windows are attached by subclassing: the framework's
// window procedure routes messages through the object's message map and passes what the map
// does not handle to the procedure the window had before.
#pragma once
#include <windows.h>
#include "MessageMap.h"
#include "RuntimeClass.h"

class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    // Destroys the window if it is still attached.
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object attached to a window by this module, or nullptr.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Attaches this object to an existing window and routes its messages through the map;
    // FALSE, with the window left as it was, when there is no window or it is attached already.
    BOOL SubclassWindow(HWND hWnd);
    // Gives the window its previous procedure back and detaches it.
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

    HWND m_hWnd = nullptr;

protected:
    // Routes one message: the map first, then default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the message up in the map chain; TRUE when a handler took it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_NOTIFY before the map: TRUE when handled, with the answer in *pResult.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The processing the window had before it was subclassed.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled now.
    LRESULT Default();
    // Called after the window is gone and detached.
    virtual void PostNcDestroy() {}

    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    // Handlers whose default is the window's own processing.
    void OnPaint() { Default(); }
    void OnSysColorChange() { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnHScroll(UINT, UINT, CWnd*) { Default(); }
    HICON OnQueryDragIcon() { return reinterpret_cast<HICON>(Default()); }

    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    friend INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM);

    WNDPROC m_pfnSuper = nullptr;

private:
    void Attach(HWND hWnd);
    void Detach();

    // The objects this module has attached, newest first. Every message looks its window's
    // object up: a walk over a handful of objects here, where a window property would be a
    // request to the system each time.
    static CWnd* s_pFirstAttached;
    CWnd* m_pNextAttached = nullptr;

    struct CurrentMessage { UINT message; WPARAM wParam; LPARAM lParam; };
    CurrentMessage m_current = {};
};

LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
