// CMDIChildWnd: the frame of one document window inside an MDI frame's client area. It is
// always maximised and, while active, lends the MDI frame its menu (the template's shared menu).
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
    void MDIMaximize() { ShowWindow(SW_SHOWMAXIMIZED); }

    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The menu this frame's document shows in the MDI frame's menu bar (not owned).
    CMenu* m_hMenuShared = nullptr;

    // Called by the MDI frame when the child becomes or stops being the active one.
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

protected:
    void OnDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    CMDIFrameWnd* m_pMDIFrame = nullptr;
};
