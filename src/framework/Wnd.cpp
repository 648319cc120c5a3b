#include "Wnd.h"

IMPLEMENT_DYNAMIC(CWnd, CObject)

// Each module has its own list, so two copies of the framework in one process (a program and a
// DLL) never take each other's objects.
CWnd* CWnd::s_pFirstAttached = nullptr;

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = { { 0, 0, 0, 0, MsgSig::End, nullptr } };
    static const MessageMap map = { nullptr, entries };
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd) return nullptr;
    for (CWnd* pWnd = s_pFirstAttached; pWnd; pWnd = pWnd->m_pNextAttached)
        if (pWnd->m_hWnd == hWnd) return pWnd;
    return nullptr;
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    m_pNextAttached = s_pFirstAttached;
    s_pFirstAttached = this;
}

void CWnd::Detach() {
    for (CWnd** ppWnd = &s_pFirstAttached; *ppWnd; ppWnd = &(*ppWnd)->m_pNextAttached) {
        if (*ppWnd != this) continue;
        *ppWnd = m_pNextAttached;
        break;
    }
    m_pNextAttached = nullptr;
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
    Attach(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (!hWnd) return nullptr;
    if (m_pfnSuper) ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    return hWnd;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_NOTIFY && OnNotify(wParam, lParam, pResult)) return TRUE;

    const UINT code = HIWORD(wParam), id = LOWORD(wParam);
    for (const MessageMap* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const MessageMapEntry* e = map->lpEntries; e->nSig != MsgSig::End; ++e) {
            if (e->nMessage != message) continue;
            if (message == WM_COMMAND && (e->nCode != code || id < e->nID || id > e->nLastID)) continue;

            // Handlers that call Default() reach this message, also when handlers nest.
            const CurrentMessage saved = m_current;
            m_current = { message, wParam, lParam };
            *pResult = 0;
            switch (e->nSig) {
            case MsgSig::v_v:
                (this->*e->pfn)();
                break;
            case MsgSig::v_u:
                (this->*reinterpret_cast<void (CWnd::*)(UINT)>(e->pfn))(id);
                break;
            case MsgSig::v_uuW:
                (this->*reinterpret_cast<void (CWnd::*)(UINT, UINT, CWnd*)>(e->pfn))(
                    LOWORD(wParam), HIWORD(wParam), FromHandlePermanent(reinterpret_cast<HWND>(lParam)));
                break;
            case MsgSig::v_t:
                (this->*reinterpret_cast<void (CWnd::*)(UINT_PTR)>(e->pfn))(wParam);
                break;
            case MsgSig::h_v:
                *pResult = reinterpret_cast<LRESULT>((this->*reinterpret_cast<HICON (CWnd::*)()>(e->pfn))());
                break;
            case MsgSig::End:
                break;
            }
            m_current = saved;
            return TRUE;
        }
    }
    return FALSE;
}

LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message != WM_NCDESTROY) return pWnd->WindowProc(message, wParam, lParam);

    // The window is going: let its own procedure finish, then detach the object.
    LRESULT result = pWnd->DefWindowProc(message, wParam, lParam);
    pWnd->UnsubclassWindow();
    pWnd->PostNcDestroy();
    return result;
}
