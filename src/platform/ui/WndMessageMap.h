// Message-map entries for windows: the window messages with their classic handler signatures,
// user and registered messages, WM_NOTIFY and the control notifications of WM_COMMAND. Each
// entry decodes wParam and lParam for its handler exactly as the window system packs them.
#pragma once

#include "platform/ui/ScrollBar.h"
#include "platform/ui/Wnd.h"

class CDC;
struct DRAWITEMSTRUCT;

#define QARVO_ON_WM(message, memberFxn, Ret, Params, ...)                                        \
    QARVO_MSG_ENTRY(message, 0, 0, 0, nullptr, memberFxn, Ret, Params, __VA_ARGS__)

// Argument decoders used by the entries.
#define QARVO_WP_WND (WndFromParam(call.wParam))
#define QARVO_LP_WND (WndFromParam(call.lParam))
#define QARVO_LP_POINT (PointFromLParam(call.lParam))
#define QARVO_KEY_ARGS UINT(call.wParam), UINT(LOWORD(DWORD(call.lParam))),                      \
                       UINT(HIWORD(DWORD(call.lParam)))
#define QARVO_MOUSE_ARGS UINT(call.wParam), QARVO_LP_POINT
#define QARVO_SCROLL_ARGS                                                                        \
    UINT(LOWORD(DWORD(call.wParam))), UINT(HIWORD(DWORD(call.wParam))),                          \
        static_cast<CScrollBar*>(QARVO_LP_WND)

#define ON_WM_CREATE()                                                                           \
    QARVO_ON_WM(WM_CREATE, OnCreate, int, (LPCREATESTRUCT),                                      \
                reinterpret_cast<LPCREATESTRUCT>(call.lParam))
#define ON_WM_DESTROY() QARVO_ON_WM(WM_DESTROY, OnDestroy, void, ())
#define ON_WM_PAINT() QARVO_ON_WM(WM_PAINT, OnPaint, void, ())
#define ON_WM_ERASEBKGND()                                                                       \
    QARVO_ON_WM(WM_ERASEBKGND, OnEraseBkgnd, BOOL, (CDC*), reinterpret_cast<CDC*>(call.wParam))
#define ON_WM_SIZE()                                                                             \
    QARVO_ON_WM(WM_SIZE, OnSize, void, (UINT, int, int), UINT(call.wParam),                      \
                int(LOWORD(DWORD(call.lParam))), int(HIWORD(DWORD(call.lParam))))
#define ON_WM_MOVE()                                                                             \
    QARVO_ON_WM(WM_MOVE, OnMove, void, (int, int), GET_X_LPARAM(call.lParam),                    \
                GET_Y_LPARAM(call.lParam))
#define ON_WM_SHOWWINDOW()                                                                       \
    QARVO_ON_WM(WM_SHOWWINDOW, OnShowWindow, void, (BOOL, UINT), BOOL(call.wParam),              \
                UINT(call.lParam))
#define ON_WM_ENABLE() QARVO_ON_WM(WM_ENABLE, OnEnable, void, (BOOL), BOOL(call.wParam))
#define ON_WM_CLOSE() QARVO_ON_WM(WM_CLOSE, OnClose, void, ())
#define ON_WM_TIMER() QARVO_ON_WM(WM_TIMER, OnTimer, void, (UINT_PTR), UINT_PTR(call.wParam))
#define ON_WM_SETFOCUS() QARVO_ON_WM(WM_SETFOCUS, OnSetFocus, void, (CWnd*), QARVO_WP_WND)
#define ON_WM_KILLFOCUS() QARVO_ON_WM(WM_KILLFOCUS, OnKillFocus, void, (CWnd*), QARVO_WP_WND)
#define ON_WM_CAPTURECHANGED()                                                                   \
    QARVO_ON_WM(WM_CAPTURECHANGED, OnCaptureChanged, void, (CWnd*), QARVO_LP_WND)
#define ON_WM_CANCELMODE() QARVO_ON_WM(WM_CANCELMODE, OnCancelMode, void, ())
#define ON_WM_SYSCOLORCHANGE() QARVO_ON_WM(WM_SYSCOLORCHANGE, OnSysColorChange, void, ())
#define ON_WM_KEYDOWN() QARVO_ON_WM(WM_KEYDOWN, OnKeyDown, void, (UINT, UINT, UINT), QARVO_KEY_ARGS)
#define ON_WM_KEYUP() QARVO_ON_WM(WM_KEYUP, OnKeyUp, void, (UINT, UINT, UINT), QARVO_KEY_ARGS)
#define ON_WM_CHAR() QARVO_ON_WM(WM_CHAR, OnChar, void, (UINT, UINT, UINT), QARVO_KEY_ARGS)
#define ON_WM_SYSKEYDOWN()                                                                       \
    QARVO_ON_WM(WM_SYSKEYDOWN, OnSysKeyDown, void, (UINT, UINT, UINT), QARVO_KEY_ARGS)
#define ON_WM_SYSKEYUP()                                                                         \
    QARVO_ON_WM(WM_SYSKEYUP, OnSysKeyUp, void, (UINT, UINT, UINT), QARVO_KEY_ARGS)
#define ON_WM_SYSCHAR() QARVO_ON_WM(WM_SYSCHAR, OnSysChar, void, (UINT, UINT, UINT), QARVO_KEY_ARGS)
#define ON_WM_MOUSEMOVE()                                                                        \
    QARVO_ON_WM(WM_MOUSEMOVE, OnMouseMove, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_LBUTTONDOWN()                                                                      \
    QARVO_ON_WM(WM_LBUTTONDOWN, OnLButtonDown, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_LBUTTONUP()                                                                        \
    QARVO_ON_WM(WM_LBUTTONUP, OnLButtonUp, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_LBUTTONDBLCLK()                                                                    \
    QARVO_ON_WM(WM_LBUTTONDBLCLK, OnLButtonDblClk, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_RBUTTONDOWN()                                                                      \
    QARVO_ON_WM(WM_RBUTTONDOWN, OnRButtonDown, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_RBUTTONUP()                                                                        \
    QARVO_ON_WM(WM_RBUTTONUP, OnRButtonUp, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_RBUTTONDBLCLK()                                                                    \
    QARVO_ON_WM(WM_RBUTTONDBLCLK, OnRButtonDblClk, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_MBUTTONDOWN()                                                                      \
    QARVO_ON_WM(WM_MBUTTONDOWN, OnMButtonDown, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_MBUTTONUP()                                                                        \
    QARVO_ON_WM(WM_MBUTTONUP, OnMButtonUp, void, (UINT, CPoint), QARVO_MOUSE_ARGS)
#define ON_WM_MOUSEWHEEL()                                                                       \
    QARVO_ON_WM(WM_MOUSEWHEEL, OnMouseWheel, BOOL, (UINT, short, CPoint),                        \
                UINT(LOWORD(DWORD(call.wParam))), short(HIWORD(DWORD(call.wParam))),             \
                QARVO_LP_POINT)
#define ON_WM_HSCROLL()                                                                          \
    QARVO_ON_WM(WM_HSCROLL, OnHScroll, void, (UINT, UINT, CScrollBar*), QARVO_SCROLL_ARGS)
#define ON_WM_VSCROLL()                                                                          \
    QARVO_ON_WM(WM_VSCROLL, OnVScroll, void, (UINT, UINT, CScrollBar*), QARVO_SCROLL_ARGS)
#define ON_WM_CONTEXTMENU()                                                                      \
    QARVO_ON_WM(WM_CONTEXTMENU, OnContextMenu, void, (CWnd*, CPoint), QARVO_WP_WND,              \
                QARVO_LP_POINT)
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT): an item the window owns asks to be drawn; nIDCtl
// is 0 for a menu item.
#define ON_WM_DRAWITEM()                                                                         \
    QARVO_ON_WM(WM_DRAWITEM, OnDrawItem, void, (int, DRAWITEMSTRUCT*), int(call.wParam),         \
                reinterpret_cast<DRAWITEMSTRUCT*>(call.lParam))
#define ON_WM_SETCURSOR()                                                                        \
    QARVO_ON_WM(WM_SETCURSOR, OnSetCursor, BOOL, (CWnd*, UINT, UINT), QARVO_WP_WND,              \
                UINT(LOWORD(DWORD(call.lParam))), UINT(HIWORD(DWORD(call.lParam))))

#define ON_WM_GETMINMAXINFO()                                                                    \
    QARVO_ON_WM(WM_GETMINMAXINFO, OnGetMinMaxInfo, void, (MINMAXINFO*),                          \
                reinterpret_cast<MINMAXINFO*>(call.lParam))

// LRESULT fn(WPARAM, LPARAM) for a user message (WM_USER + n) or any other number.
#define ON_MESSAGE(message, memberFxn)                                                           \
    QARVO_ON_WM(UINT(message), memberFxn, LRESULT, (WPARAM, LPARAM), call.wParam, call.lParam)
// The same for a message whose number RegisterWindowMessage gave; nMessageVariable is the
// variable (of static storage) that holds it.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                       \
    QARVO_MSG_ENTRY(0, 0, 0, 0, &(nMessageVariable), memberFxn, LRESULT, (WPARAM, LPARAM),       \
                    call.wParam, call.lParam)

// void fn(NMHDR*, LRESULT*) for a WM_NOTIFY with that code from the control with that id.
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                    \
    QARVO_MSG_ENTRY(WM_NOTIFY, UINT(WORD(wNotifyCode)), UINT(id), UINT(id), nullptr, memberFxn,   \
                    void, (NMHDR*, LRESULT*),                                                    \
                    static_cast<AFX_NOTIFY*>(call.pExtra)->pNMHDR,                               \
                    static_cast<AFX_NOTIFY*>(call.pExtra)->pResult)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
