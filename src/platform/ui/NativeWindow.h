// The seam between the window layer and the native toolkit. The layer keeps every window's
// logical state (tree, geometry, visibility, focus, timers, queue) itself; a backend only mirrors
// that state on screen and feeds input back as messages. Without a backend (the model's tests,
// headless runs) windows exist logically, paints draw nowhere, and posted messages and timers
// wait in the layer's queue until the message loop or a test pumps them.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"
#include "platform/ui/Cursor.h"

#include <memory>

class CWinThread;
class CWnd;
class DrawingSurface;
struct LOGFONT;

// One of a window's own scroll bars as the peer shows it: along the right (SB_VERT) or bottom
// (SB_HORZ) edge of the client area, in the room the layer leaves there.
struct NativeScrollBar {
    bool bVisible;
    bool bEnabled;
    int nMin;
    int nMaxPos;   // the largest position (the range's end less the page)
    int nPage;
    int nPos;
};

// The native side of one created window.
class INativeWindow {
public:
    virtual ~INativeWindow() = default;

    // rectWindow is in the parent's client coordinates (screen for a top-level window);
    // rectClient is the client area inside it, in window coordinates.
    virtual void SetGeometry(const RECT& rectWindow, const RECT& rectClient) = 0;
    virtual void SetVisible(bool bVisible) = 0;
    virtual void SetEnabled(bool bEnabled) = 0;
    virtual void SetText(const CString& strText) = 0;
    virtual void SetFont(const LOGFONT* pLogFont) = 0;
    // The window moved to another parent (null: it became a top-level window).
    virtual void SetParent(INativeWindow* pParent) = 0;
    // The window now lies directly under pAbove among its siblings; null puts it on top.
    virtual void StackUnder(INativeWindow* pAbove) = 0;
    // A part of the client area needs painting; the backend paints it when it chooses.
    virtual void Invalidate(const RECT& rectClient) = 0;
    // Paints the pending part now (the window's WM_PAINT runs before this returns).
    virtual void UpdateNow() = 0;
    virtual void SetCapture(bool bCapture) = 0;
    virtual void SetFocus() = 0;
    // The top-level window became the layer's active one while the native side's activation lay
    // elsewhere (the active window went): the native side is asked to activate it too.
    virtual void Activate() = 0;
    // The surface of the paint in progress (inside WM_PAINT); null when there is none.
    virtual DrawingSurface* BeginPaint() = 0;
    virtual void EndPaint() = 0;
    // nBar: SB_HORZ or SB_VERT. The user's actions on the bar come back as WM_HSCROLL and
    // WM_VSCROLL without a sender.
    virtual void SetScrollBar(int nBar, const NativeScrollBar& bar) = 0;
    // The least and greatest size the user may give a top-level window (MINMAXINFO_NO_LIMIT:
    // none).
    virtual void SetSizeLimits(const SIZE& sizeMin, const SIZE& sizeMax) = 0;
};

class IWindowBackend {
public:
    virtual ~IWindowBackend() = default;

    virtual std::unique_ptr<INativeWindow> CreatePeer(CWnd& wnd) = 0;
    // Something was posted or a timer changed: the backend's loop must pump the layer's queue
    // soon (at the latest when the next timer is due). May be called from any thread.
    virtual void Wake() = 0;
    // Runs the native event loop as the thread's message loop until WM_QUIT; returns its code.
    virtual int RunLoop(CWinThread& thread) = 0;
    virtual void SetCursor(HCURSOR hCursor) = 0;
    // The mouse pointer in screen coordinates; SetCursorPos moves it (warps the pointer).
    virtual CPoint GetCursorPos() const = 0;
    virtual void SetCursorPos(CPoint ptScreen) = 0;
    // The part of the primary screen that top-level windows may cover (without the desktop's
    // panels), in screen coordinates: what a maximised top-level window fills.
    virtual CRect GetWorkArea() const = 0;
    // The rows one notch of the mouse wheel scrolls, as the desktop is set.
    virtual UINT GetWheelScrollLines() const { return 3; }
};

// The application installs its backend once at start-up, before the first window is created;
// null removes it. The backend is not owned.
void AfxSetWindowBackend(IWindowBackend* pBackend);
IWindowBackend* AfxGetWindowBackend();
// The desktop's rows per wheel notch; 3 without a backend.
UINT AfxGetWheelScrollLines();
