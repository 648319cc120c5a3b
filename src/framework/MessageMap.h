// Message maps: static tables of (message, notification, id range, handler) that a window class
// declares; the framework walks them from the most derived class to its bases, then falls back
// to default processing.
#pragma once
#include <windows.h>

class CWnd;

// What a handler receives and returns; the dispatcher calls it accordingly.
enum class MsgSig {
    End,      // terminates a table
    v_v,      // void ()
    v_u,      // void (UINT id): command ranges
    v_uuW,    // void (UINT code, UINT pos, CWnd* pScrollBar): WM_HSCROLL
    v_t,      // void (UINT_PTR idEvent): WM_TIMER
    h_v,      // HICON (): WM_QUERYDRAGICON
};

using CWndHandler = void (CWnd::*)();

struct MessageMapEntry {
    UINT nMessage;
    UINT nCode;    // notification code, for WM_COMMAND
    UINT nID;      // first control id, for WM_COMMAND
    UINT nLastID;  // last control id, for WM_COMMAND
    MsgSig nSig;
    CWndHandler pfn;
};

struct MessageMap {
    const MessageMap* (*pfnGetBaseMap)();
    const MessageMapEntry* lpEntries;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap() { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, MsgSig::End, nullptr } \
        }; \
        static const MessageMap map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map; \
    }

// The static_cast checks the handler's signature; the table stores it in one common type.
#define MAP_HANDLER(type, member) reinterpret_cast<CWndHandler>(static_cast<type>(member))

#define ON_WM_PAINT() \
    { WM_PAINT, 0, 0, 0, MsgSig::v_v, MAP_HANDLER(void (CWnd::*)(), &ThisClass::OnPaint) },
#define ON_WM_TIMER() \
    { WM_TIMER, 0, 0, 0, MsgSig::v_t, MAP_HANDLER(void (CWnd::*)(UINT_PTR), &ThisClass::OnTimer) },
#define ON_WM_HSCROLL() \
    { WM_HSCROLL, 0, 0, 0, MsgSig::v_uuW, MAP_HANDLER(void (CWnd::*)(UINT, UINT, CWnd*), &ThisClass::OnHScroll) },
#define ON_WM_SYSCOLORCHANGE() \
    { WM_SYSCOLORCHANGE, 0, 0, 0, MsgSig::v_v, MAP_HANDLER(void (CWnd::*)(), &ThisClass::OnSysColorChange) },
#define ON_WM_QUERYDRAGICON() \
    { WM_QUERYDRAGICON, 0, 0, 0, MsgSig::h_v, MAP_HANDLER(HICON (CWnd::*)(), &ThisClass::OnQueryDragIcon) },
#define ON_COMMAND(id, member) \
    { WM_COMMAND, 0, (id), (id), MsgSig::v_v, MAP_HANDLER(void (CWnd::*)(), &member) },
#define ON_BN_CLICKED(id, member) \
    { WM_COMMAND, BN_CLICKED, (id), (id), MsgSig::v_v, MAP_HANDLER(void (CWnd::*)(), &member) },
#define ON_CONTROL_RANGE(code, firstId, lastId, member) \
    { WM_COMMAND, (code), (firstId), (lastId), MsgSig::v_u, MAP_HANDLER(void (CWnd::*)(UINT), &member) },
