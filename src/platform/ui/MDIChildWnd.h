// CMDIChildWnd: the frame of one document window inside an MDI frame's client area. It opens
// maximised and, while active, lends the MDI frame its menu (the template's shared menu).
// Window > Cascade and Tile restore it: it then draws a caption with its title and a border of
// its own around its content (the layer gives child windows none), a press anywhere in it makes
// it the active document, its caption drags it, and a double click there maximises it again.
// Its routing is the plain frame's (view, document, itself); the MDI frame adds itself and the
// application after it.
#pragma once

#include "platform/ui/FrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)

public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    // pParentWnd is the MDI frame (the application's main window when null); the window is
    // made inside its client area.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CMDIFrameWnd* pParentWnd, CCreateContext* pContext = nullptr);
    CMDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
    void MDIActivate();
    void MDIDestroy() { DestroyWindow(); }
    // Maximised it fills the client area without caption or border; restored it keeps its
    // place and shows both.
    void MDIMaximize();
    void MDIRestore();

    // The height of the caption and the width of the border of a restored frame.
    static constexpr int kCaptionHeight = 20;
    static constexpr int kBorderWidth = 3;

    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void AdjustLayoutRect(CRect& rect) const override;
    // A press anywhere in an inactive document window makes it the active one.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The menu this frame's document shows in the MDI frame's menu bar (not owned).
    CMenu* m_hMenuShared = nullptr;

    // Called by the MDI frame when the child becomes or stops being the active one.
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

protected:
    void OnDestroy() override;
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;
    // A move or a change of size or state has the client area's scroll bars follow.
    void OnSize(UINT nType, int cx, int cy) override;
    void OnMove(int x, int y) override;
    DECLARE_MESSAGE_MAP()

private:
    void TellClientOfPlace();
    BOOL IsInCaption(CPoint point) const;

    CMDIFrameWnd* m_pMDIFrame = nullptr;
    // Dragging by the caption: the pressed point in client coordinates.
    BOOL m_bDragging = FALSE;
    CPoint m_ptDragGrip;
};
