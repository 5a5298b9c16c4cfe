// CFrameWnd: a window that frames a view (or, for the MDI frame, the MDI client area) with a
// menu bar and control bars. It is the middle of the command routing: its active view (which
// asks its document) first, then its own handlers, then, for the top-level frame, the
// application. It keeps its title current with the active document's, switches the menu bar
// data, updates menu items when a popup opens and lays out its bars around the view.
#pragma once

#include "platform/ui/Accelerator.h"
#include "platform/ui/DropFiles.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"

#include <vector>

class CControlBar;
class CDocument;
class CMenuBarWnd;
class CView;
struct CCreateContext;

// The style of a frame's view window.
constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    // Loads the title (the first "\n" field of string nIDResource), the menu resource of that id
    // when one is registered, and creates the window. Without a context the frame's descendants
    // get their initial update at once. A frame whose window was made deletes itself when the
    // window is destroyed; after a failed load the caller still owns the object.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);

    // ---- views and documents ----
    CView* GetActiveView() const { return m_pViewActive; }
    // With bNotify the old view hears OnActivateView(FALSE ...) and the new one (TRUE ...).
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view has the user's attention: the active MDI child of an MDI frame,
    // otherwise this frame.
    virtual CFrameWnd* GetActiveFrame();
    // The frame holding this one (an MDI child's main frame); null for a top-level frame.
    CFrameWnd* GetParentFrame() const;
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Activates the view, sends the initial update when bMakeVisible and shows the frame.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // ---- title ----
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // "title - document" (or "document - title" with FWS_PREFIXTITLE); the title alone without
    // a document name.
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }

    // ---- menus ----
    // The menu the frame's menu bar shows now; null when it has none.
    CMenu* GetMenu() const { return m_pMenuShown; }
    // Shows pMenu (not owned) in the menu bar; null shows the frame's own menu.
    void SetMenu(CMenu* pMenu);
    CMenu* GetDefaultMenu() { return m_menuDefault.GetSafeHmenu() ? &m_menuDefault : nullptr; }
    // Chooses what the menu bar shows: by default the frame's own menu.
    virtual void OnUpdateFrameMenu(CMenu* pMenuAlt);
    // Runs the update-UI of every command item of the popup through the routing.
    virtual void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    // Items nobody handles are disabled.
    BOOL m_bAutoMenuEnable = TRUE;
    // Translated for this frame by PreTranslateMessage; not owned.
    HACCEL m_hAccelTable = nullptr;

    // ---- control bars ----
    // Lays out the menu bar, the visible control bars (in creation order, each taking its side
    // of what is left; bars that share rows take it a row at a time) and the pane
    // (AFX_IDW_PANE_FIRST) in the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The part of the client area the layout may fill (the frame's own caption and border,
    // where it draws them itself, lie outside it).
    virtual void AdjustLayoutRect(CRect& rect) const { (void)rect; }
    // The sides bars may dock at (CBRS_ALIGN_ bits).
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetDockingSides() const { return m_dwDockSides; }
    // Docks the bar at the side nDockBarID names (AFX_IDW_DOCKBAR_TOP ...), or when 0 at its
    // present side if allowed, else the first side both the frame and the bar allow. The bar
    // goes after the bars already there; a bar that shares rows let go over one of the side's
    // rows (lpRect, on the screen, where it was let go) joins that row where its start lies.
    // A frame that places some bars itself keeps them in its own layout.
    virtual void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // Takes the bar out of the layout into a tool window of its own whose top-left corner lies at
    // ptScreen; the bar keeps its side, to which a later DockControlBar(pBar) returns it.
    void FloatControlBar(CControlBar* pBar, CPoint ptScreen);
    // Where a bar let go at ptScreen goes: the side (CBRS_ALIGN_ bit) the bar may dock at whose
    // strip along the client area's edge holds the point, nearest edge first; 0 to float.
    DWORD DockSideAt(const CControlBar* pBar, CPoint ptScreen) const;
    CControlBar* GetControlBar(UINT nID) const;
    // The visible docked bars that share pBar's row, in order along the side (pBar among them);
    // empty when pBar shares no row. A frame that places some bars itself gives their rows.
    virtual std::vector<CControlBar*> GetDockRow(const CControlBar* pBar) const;
    // Inside RecalcLayout: bars that place their row themselves leave the recalculation to it.
    BOOL IsInRecalcLayout() const { return m_bInRecalcLayout; }
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    const std::vector<CControlBar*>& GetControlBars() const { return m_listControlBars; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);

    CString m_strTitle;
    UINT m_nIDHelp = 0;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnClose() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void PostNcDestroy() override;
    LRESULT OnActivateMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopupMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // A floating bar comes back from its tool window into the frame, shown as it was.
    void TakeBackFloatingBar(CControlBar* pBar);
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnBarCheckCommand(UINT nID);
    // Files dropped on the frame open as documents, one after another.
    virtual void OnDropFiles(HDROP hDropInfo);
    LRESULT OnDropFilesMessage(WPARAM wParam, LPARAM lParam);

    // The window that shows the menu bar; null when the frame has no menu.
    CMenuBarWnd* m_pMenuBar = nullptr;
    CMenu m_menuDefault;
    // Set once the window exists: only then does the frame delete itself with it.
    BOOL m_bSelfDelete = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    void ShowMenuInBar();

    CView* m_pViewActive = nullptr;
    CMenu* m_pMenuShown = nullptr;
    // Lays out the row that begins with m_listControlBars[nFirst] in rectLeft and takes it off.
    void LayoutDockRow(size_t nFirst, CRect& rectLeft, std::vector<bool>& placed);
    // Takes a docked bar out of the list; a bar that began a row hands that to the next bar.
    void UnlistControlBar(CControlBar* pBar);
    // Where in the list a bar of side dwSide let go over rectDrop (screen) goes.
    std::vector<CControlBar*>::iterator PlaceForDroppedBar(CControlBar* pBar, DWORD dwSide, const CRect& rectDrop);

    DWORD m_dwDockSides = 0;
    BOOL m_bInRecalcLayout = FALSE;
    std::vector<CControlBar*> m_listControlBars;
};

// The dock bar id (AFX_IDW_DOCKBAR_TOP ...) of a side (a CBRS_ALIGN_ bit); 0 for none.
UINT DockBarIdOfSide(DWORD dwSide);
// Where a bar let go over rectDrop (screen) goes in a row of other bars, given in order along
// the row: before the first whose middle lies beyond the rectangle's start, else at the end.
size_t DropPlaceInRow(const std::vector<CControlBar*>& row, const CRect& rectDrop, bool bHorz);
