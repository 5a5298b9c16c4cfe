// CCmdTarget: the base of the objects that take part in command routing (documents, views,
// frames, the application). Each class that handles commands or messages describes its handlers
// in a message map; the map's entries are chained to the base class's map, so a class inherits
// its base's handlers and may replace them.
//
//     BEGIN_MESSAGE_MAP(CMyView, CView)
//         ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
//         ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
//         ON_WM_LBUTTONDOWN()
//     END_MESSAGE_MAP()
//
// Every entry carries a small function generated at the entry that converts the handler to its
// exact classic signature and decodes the message's arguments for it, so a handler with a wrong
// signature does not compile. Window-message entries (ON_WM_xxx, ON_MESSAGE, ON_NOTIFY ...)
// live with the window layer in platform/ui/WndMessageMap.h.
#pragma once

#include "platform/core/Object.h"
#include "platform/core/String.h"

#include <type_traits>

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_COMMAND = 0x0111;

// nCode of OnCmdMsg: a command, or a request for its update state (pExtra is the CCmdUI).
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// The arguments of one dispatch through a message-map entry.
struct AFX_MSGCALL {
    UINT nMessage = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT nID = 0;          // commands and notifications
    void* pExtra = nullptr;
    LRESULT lResult = 0;   // what a window-message handler returned
};

using AFX_PMSGTHUNK = void (*)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;             // WM_COMMAND, WM_NOTIFY or a window message; 0 ends the map
    UINT nCode;                // notification code (16 bits) or CN_UPDATE_COMMAND_UI
    UINT nID;                  // first and last control or command id
    UINT nLastID;
    const UINT* pnRegistered;  // a registered message: the variable that holds its number
    AFX_PMSGTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled instead of calling the handler when OnCmdMsg only asks who would handle a command.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
};

// The state of one command's user-interface items (menu item, toolbar button, status pane) as the
// routing decides it at idle time. The base records what the handlers asked for; menus and
// toolbars derive from it to apply each change to their item.
class CCmdUI {
public:
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    // Lets the command continue to the next target although this handler ran.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's routing for the state of m_nID. With bDisableIfNoHndler an item whose
    // command nobody handles (and whose state no handler set) is disabled. TRUE when an update
    // handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    // The menu whose item is being updated (null for other items), and the bar or control
    // that shows the item otherwise.
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CWnd* m_pOther = nullptr;
    BOOL m_bContinueRouting = FALSE;
    BOOL m_bEnableChanged = FALSE;

    // What the handlers asked for.
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    BOOL m_bCheckChanged = FALSE;
    BOOL m_bRadio = FALSE;
    CString m_strText;
    BOOL m_bTextChanged = FALSE;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Looks for a handler of nID in this object's map and its base maps and runs it. nCode is a
    // control notification code, CN_COMMAND, CN_UPDATE_COMMAND_UI, or MAKELONG(code, WM_NOTIFY)
    // with pExtra pointing at an AFX_NOTIFY. With pHandlerInfo nothing runs: the handler is only
    // looked up. Frames, views and documents override it to route further.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry of the map chain that accepts the message; null when none does.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

// Stores a handler's return value as a message result; void handlers give 0.
template <class Call>
void AfxInvokeInto(LRESULT& lResult, Call&& call)
{
    if constexpr (std::is_void_v<decltype(call())>) {
        call();
        lResult = 0;
    } else {
        lResult = LRESULT(call());
    }
}

#define DECLARE_MESSAGE_MAP()                                                                    \
protected:                                                                                       \
    static const AFX_MSGMAP* GetThisMessageMap();                                                \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                   \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }            \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                              \
    {                                                                                            \
        using ThisClass = theClass;                                                              \
        using TheBaseClass = baseClass;                                                          \
        static_assert(sizeof(ThisClass) > 0);                                                    \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                        \
        {0, 0, 0, 0, nullptr, nullptr}};                                                         \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,                  \
                                              &_messageEntries[0]};                              \
        return &messageMap;                                                                      \
    }

// An entry whose function converts the handler to `Ret (ThisClass::*) Params` (a different
// signature is a compile error) and calls it with the arguments given after it, which may use
// the dispatch record `call`.
#define QARVO_MSG_ENTRY(nMessage, nCode, nID, nLastID, pnRegistered, memberFxn, Ret, Params, ...) \
    {nMessage, nCode, nID, nLastID, pnRegistered,                                                \
     [](CCmdTarget* pTarget, AFX_MSGCALL& call) {                                                \
         (void)call;                                                                             \
         Ret(ThisClass::*pfn) Params = &ThisClass::memberFxn;                                    \
         ThisClass* pThis = static_cast<ThisClass*>(pTarget);                                    \
         AfxInvokeInto(call.lResult, [&] { return (pThis->*pfn)(__VA_ARGS__); });                \
     }},

#define ON_COMMAND(id, memberFxn)                                                                \
    QARVO_MSG_ENTRY(WM_COMMAND, UINT(CN_COMMAND), UINT(id), UINT(id), nullptr, memberFxn, void, ())

#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                  \
    QARVO_MSG_ENTRY(WM_COMMAND, UINT(CN_COMMAND), UINT(id), UINT(idLast), nullptr, memberFxn,     \
                    void, (UINT), call.nID)

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                      \
    QARVO_MSG_ENTRY(WM_COMMAND, UINT(CN_UPDATE_COMMAND_UI), UINT(id), UINT(id), nullptr,          \
                    memberFxn, void, (CCmdUI*), static_cast<CCmdUI*>(call.pExtra))

#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                        \
    QARVO_MSG_ENTRY(WM_COMMAND, UINT(CN_UPDATE_COMMAND_UI), UINT(id), UINT(idLast), nullptr,      \
                    memberFxn, void, (CCmdUI*), static_cast<CCmdUI*>(call.pExtra))

// A control notification sent in WM_COMMAND (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE ...).
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                   \
    QARVO_MSG_ENTRY(WM_COMMAND, UINT(WORD(wNotifyCode)), UINT(id), UINT(id), nullptr, memberFxn,  \
                    void, ())
