// CWnd: a window of the layer. The object holds the window's whole logical state (control id,
// parent, owner, children in z-order, styles, text, rectangles, visibility, enabled state, font,
// update region) and dispatches messages through its message map; it is a plain C++ object until
// Create runs and again after DestroyWindow. When a native backend is installed every created
// window gets a peer that shows it and feeds input back as messages.
//
// Messages: SendMessage calls WindowProc directly; WindowProc gives OnWndMsg the first chance
// (WM_COMMAND -> OnCommand -> OnCmdMsg, WM_NOTIFY -> OnNotify -> OnCmdMsg, other messages -> the
// map's ON_WM_xxx / ON_MESSAGE entries) and DefWindowProc the rest. The OnXxx handlers below run
// only when the class maps them; their default forwards the message to DefWindowProc.
//
// Focus and capture are the layer's own, global to the UI thread and deterministic: SetFocus sends
// WM_KILLFOCUS to the old window before WM_SETFOCUS to the new one, and only then tells the
// backend.
#pragma once

#include "platform/core/CmdTarget.h"
#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Msg.h"
#include "platform/ui/WindowStyles.h"

#include <memory>
#include <vector>

class CDC;
class CFont;
class CRgn;
class CScrollBar;
class INativeWindow;
struct CCreateContext;

struct PAINTSTRUCT {
    CDC* hdc;
    BOOL fErase;   // TRUE when WM_ERASEBKGND did not erase and the paint must
    RECT rcPaint;  // client coordinates
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

// A window's own scroll bars (WS_HSCROLL, WS_VSCROLL).
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};
using LPSCROLLINFO = SCROLLINFO*;
using LPCSCROLLINFO = const SCROLLINFO*;

// The width of a vertical bar and the height of a horizontal one, taken from the client area
// while the bar is shown.
constexpr int kScrollBarThickness = 16;
// The sizing frame (WS_THICKFRAME) that the layer draws inside a window's rectangle.
constexpr int kThickFrame = 3;

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    CWnd();
    // A window still alive is destroyed (its derived parts are already gone by then, so classes
    // that handle WM_DESTROY destroy their windows themselves).
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The handle: this object while its window exists, null before Create and after destruction.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The window object for a live handle; null for anything else.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd) { return FromHandle(hWnd); }

    // Markers for SetWindowPos's pWndInsertAfter.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // ---- creation and destruction ----
    // For a window without WS_CHILD, pParentWnd is its owner.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nID,
                  LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // The parent of a child gets WM_PARENTNOTIFY first. WM_DESTROY goes to this window, then down
    // its children (and owned windows), which go (WM_NCDESTROY, PostNcDestroy) before this one.
    virtual BOOL DestroyWindow();
    // The last call on a destroyed window; windows created with new delete themselves here.
    virtual void PostNcDestroy();
    const CString& GetClassName() const { return m_strClassName; }
    // The backend's side of the window; null without a backend or a window.
    INativeWindow* GetNativeWindow() const { return m_pPeer.get(); }

    // ---- the window tree ----
    // A child's parent; for a top-level WS_POPUP window its owner; otherwise null.
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    // The window that receives this one's notifications: the one set by SetOwner, else the
    // parent.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_pOwnerWnd = pOwnerWnd; }
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const { return int(m_nID); }
    int SetDlgCtrlID(int nID);
    // GW_CHILD, GW_HWNDFIRST/LAST/NEXT/PREV among siblings in z-order (top first), GW_OWNER.
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetTopWindow() const { return GetWindow(GW_CHILD); }
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const { return GetWindow(nFlag); }
    BOOL IsChild(const CWnd* pWnd) const;
    // Sends the message to every child (and with bDeep their children), top first.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE);

    // ---- state ----
    BOOL ShowWindow(int nCmdShow);
    // Visible itself and every ancestor.
    BOOL IsWindowVisible() const;
    BOOL IsZoomed() const { return m_nShowState == SW_SHOWMAXIMIZED; }
    BOOL IsIconic() const { return m_nShowState == SW_SHOWMINIMIZED; }
    // The backend's report that the window manager maximised, minimised or restored a top-level
    // window (its title bar's buttons), which no ShowWindow of the program did: nShowState is
    // SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED or SW_SHOWNORMAL. A change reaches the window as WM_SIZE
    // with SIZE_MAXIMIZED, SIZE_MINIMIZED or SIZE_RESTORED.
    void ShowStateChanged(int nShowState);
    // The backend's report that the window manager took this popup's owner out of sight (shaded
    // it, rolled it up into its title bar) or brought it back: a shown popup hides with its owner
    // and comes back with it, unless the program showed or hid it meanwhile.
    void ShowWithOwner(BOOL bOwnerShown);
    // Returns whether the window was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const { return (m_dwStyle & WS_DISABLED) == 0; }
    DWORD GetStyle() const { return m_dwStyle; }
    DWORD GetExStyle() const { return m_dwExStyle; }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    // Files dropped from outside reach the window as WM_DROPFILES (platform/ui/DropFiles.h).
    void DragAcceptFiles(BOOL bAccept = TRUE);
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // ---- geometry ----
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;   // screen coordinates
    // A child in the middle of its parent's client area, a top-level window over its parent.
    void CenterWindow();
    void GetClientRect(LPRECT lpRect) const;   // (0, 0, width, height)
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(const CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(const CWnd* pwndTo, LPRECT lpRect) const;

    // ---- painting ----
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void Validate() { ValidateRect(nullptr); }
    // The bounding rectangle of the update region; FALSE when nothing needs painting.
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    // Sends WM_PAINT now when the update region is not empty.
    void UpdateWindow();
    // Only a rectangle (or the whole client area) can be given; prgnUpdate must be null.
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint);
    // The first visible window (in creation order) with something to paint; null when none.
    static CWnd* FindWindowToPaint();

    // ---- input ----
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static BOOL ReleaseCapture();
    // TRUE when the window and every window it lies in are enabled: a window takes input only
    // then (a modal loop disables its owners).
    BOOL IsInputEnabled() const;
    // The active top-level window; null when none is.
    static CWnd* GetActiveWindow();
    // Makes the window's top-level window the active one: the one active before hears
    // WM_ACTIVATE (WA_INACTIVE, the new one), the new one WM_ACTIVATE (nState, the old one).
    // Returns the window active before. The backend calls it when the user activates a window.
    CWnd* SetActiveWindow(UINT nState = WA_ACTIVE);
    // The top-level windows in z-order, top first.
    static std::vector<CWnd*> GetTopLevelWindows();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // ---- the window's own scroll bars (WndScroll.cpp) ----
    // nBar is SB_HORZ or SB_VERT. A bar is shown while the window has its style (WS_HSCROLL,
    // WS_VSCROLL). Setting a range or page that leaves nothing to scroll hides the bar, or with
    // SIF_DISABLENOSCROLL disables it; one that needs the bar shows it again. The position stays
    // within nMin .. nMax - nPage + 1. Returns the new position.
    int SetScrollInfo(int nBar, LPCSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    // Returns the previous position.
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const;
    // nBar may also be SB_BOTH. The client area shrinks or grows by the bar (WM_SIZE follows).
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    // The backend's report of the thumb being dragged: the position GetScrollInfo gives as
    // nTrackPos, in full where the scroll message's 16-bit position cannot hold it.
    void SetScrollTrackPos(int nBar, int nTrackPos);

    // ---- messages ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Lets a window filter a message before it is dispatched; TRUE swallows it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // PreTranslateMessage of pMsg's window and each of its ancestors up to and including
    // hWndStop (the top-level window when null).
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    // Sends WM_COMMAND with nCode to the parent (the owner when set), as controls report.
    void NotifyParent(UINT nCode);
    // The message being handled (the innermost one sent), as the handler got it.
    static const MSG* GetCurrentMessage();

    // ---- subclassing (WndSubclass.cpp) ----
    // The layer's handle is the window object itself, so an object cannot be attached to a
    // window another object already owns. Instead this object takes the live window's place:
    // it is created with the window's class, id, styles, rectangle, text and font at the same
    // z-order position, takes over the focus and the content (CopyStateFrom), and the old window
    // is destroyed. A dialog's member control so becomes the control its template made.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The current message handled as the window system would have without this class.
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Takes the content of the window this object replaces (see SubclassWindow); windows
    // without content of their own have nothing to take.
    virtual void CopyStateFrom(CWnd& other);

    // ---- handlers, run when the class maps them ----
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* pDC);
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnShowWindow(BOOL bShow, UINT nStatus);
    virtual void OnEnable(BOOL bEnable);
    virtual void OnClose();
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnCaptureChanged(CWnd* pWnd);
    virtual void OnCancelMode();
    virtual void OnSysColorChange();
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnRButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnMButtonDown(UINT nFlags, CPoint point);
    virtual void OnMButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnContextMenu(CWnd* pWnd, CPoint pos);
    virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    virtual void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

public:
    // The tip the mouse resting at ptClient shows; empty for none (the default).
    virtual CString ToolTipTextAt(CPoint ptClient) const;

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend class CPaintDC;
    friend HWND SetFocus(HWND hWnd);

    // The client area inside the window rectangle (window coordinates), from the border styles.
    CRect ClientInWindow() const;
    // Screen position of the client area's top-left corner.
    CPoint ClientOriginOnScreen() const;
    std::vector<CWnd*>* SiblingList() const;
    void LinkIntoTree(CWnd* pParent, CWnd* pOwner);
    void UnlinkFromTree();
    void Restack(const CWnd* pWndInsertAfter);
    void DestroyTree();
    void FinishDestroy();
    void SetVisibleState(bool bVisible);
    void SyncPeerGeometry();
    // WM_SIZE with the client area's size, of the kind the window's state gives.
    void SendSizeMessage();
    // The least and greatest size the window takes (WM_GETMINMAXINFO).
    void GetTrackSizes(CSize& sizeMin, CSize& sizeMax);
    // A top-level window tells its peer, so that the user cannot size it beyond them either.
    void SyncPeerSizeLimits();
    void PreparePaint(CDC& dc, PAINTSTRUCT& ps);
    void FinishPaint();
    void BeginPaintOn(CDC& dc, PAINTSTRUCT& ps);
    void EndPaintOn(CDC& dc);
    void ReleaseStateOfSubtree();
    struct ScrollBarState {
        int nMin = 0;
        int nMax = 100;
        UINT nPage = 0;
        int nPos = 0;
        int nTrackPos = 0;
        bool bEnabled = true;
    };
    static DWORD ScrollStyleOf(int nBar);
    // Shows or hides bars (a mask of WS_HSCROLL and WS_VSCROLL) without telling the peer twice.
    void SetScrollBarsShown(DWORD dwBars, bool bShow);
    void SyncPeerScrollBar(int nBar);
    // The window is gone: focus or capture still on it (an owned popup goes with its owner
    // without handing them on) are dropped, never left pointing at it.
    void DropInputState();
    // The active window is hidden or going: the activation passes on. Returns the top-level
    // window that took it, for ActivateNatively again once this window is off the screen.
    CWnd* HandOnActivation();
    static void ActivateNatively(CWnd* pTop);

    CString m_strClassName;
    CString m_strText;
    UINT m_nID = 0;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    int m_nShowState = SW_SHOWNORMAL;
    CWnd* m_pParent = nullptr;     // WS_CHILD windows
    CWnd* m_pOwner = nullptr;      // top-level windows: the window system's owner
    CWnd* m_pOwnerWnd = nullptr;   // SetOwner: where notifications go
    std::vector<CWnd*> m_children; // z-order, top first
    CRect m_rectWindow;            // parent's client coordinates; screen for top-level windows
    CFont* m_pFont = nullptr;
    CRect m_rectUpdate;
    BOOL m_bUpdateErase = FALSE;
    bool m_bDestroying = false;
    bool m_bHiddenWithOwner = false;   // ShowWithOwner hid it; shown again with the owner
    std::unique_ptr<INativeWindow> m_pPeer;
    std::unique_ptr<CDC> m_pPaintDC;
    ScrollBarState m_scrollBars[2];
};

BOOL IsWindow(HWND hWnd);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
HWND GetFocus();
HWND SetFocus(HWND hWnd);
// Dispatches a message taken from the queue: WM_TIMER with a callback calls it; a message for a
// window that no longer exists is dropped.
LRESULT DispatchMessage(const MSG* lpMsg);
