// CMDIFrameWnd: the main frame of a multiple-document application. Its pane is the MDI client
// area, whose children are the document frames (CMDIChildWnd): maximised, one document window
// fills the area at a time; cascaded or tiled they share it. Commands go to the active child first (its view, document and
// the child itself), then to this frame and the application. The menu bar shows the active
// child's menu (its template's shared menu), or the frame's own menu when no document is open.
#pragma once

#include "platform/ui/FrameWnd.h"
#include "platform/ui/MDIClientWnd.h"

#include <vector>

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // The active document frame; null when none. *pbMaximized tells whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    // Activates the next document frame (the active one goes to the back).
    void MDINext();
    void MDIPrev();
    void MDIMaximize(CWnd* pWnd);
    // The MDI client area, parent of the document frames.
    CWnd* GetMDIClient() const { return m_pMDIClient; }
    // The document frames in activation order (most recently active first).
    std::vector<CMDIChildWnd*> GetMDIChildren() const;

    CFrameWnd* GetActiveFrame() override;
    CDocument* GetActiveDocument() override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnUpdateFrameMenu(CMenu* pMenuAlt) override;
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // A document frame is going: the next one becomes active, or none.
    void OnChildDestroyed(CMDIChildWnd* pChild);

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnDestroy() override;
    // Cascade and tile restore the visible document frames and place them over the client area
    // (platform/ui/MDIArrange.h), the active one in front; arrange (the icons of minimised
    // frames) has nothing to do, as no frame is ever minimised.
    void OnWindowArrange(UINT nID);
    void OnUpdateWindowArrange(CCmdUI* pCmdUI);
    // The Window menu's document entries (AFX_IDM_FIRST_MDICHILD + n).
    void OnWindowListItem(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    // The Window menu lists the open documents after its own items.
    void FillWindowList(CMenu* pPopupMenu);
    // The entries the list has for the open documents, in the order of their frames' ids.
    std::vector<CMenu::Item> WindowListItems() const;

    CMDIClientWnd* m_pMDIClient = nullptr;
    CMDIChildWnd* m_pActiveChild = nullptr;
};
