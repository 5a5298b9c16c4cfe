#include "platform/ui/FrameWnd.h"

#include "platform/core/Document.h"
#include "platform/core/StringTable.h"
#include "platform/ui/ControlBar.h"
#include "platform/ui/CreateContext.h"
#include "platform/ui/MenuBarWnd.h"
#include "platform/ui/MiniDockFrameWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_ACTIVATE, OnActivateMessage)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopupMessage)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_COMMAND_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnBarCheckCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_MESSAGE(WM_DROPFILES, OnDropFilesMessage)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(0, 0, 800, 600);

namespace {

// How far from an edge of its frame a dragged bar is let go to dock at that edge.
constexpr int kDockStripWidth = 40;

// The update-UI of one menu item: what the handlers decide goes straight into the menu data.
class CMenuCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    void SetText(LPCTSTR lpszText) override
    {
        CCmdUI::SetText(lpszText);
        const UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | (nState & (MF_GRAYED | MF_CHECKED)),
                            m_nID, lpszText);
    }
};

constexpr struct {
    UINT nDockBarID;
    DWORD dwSide;
} kDockBarSides[] = {{AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
                     {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
                     {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
                     {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT}};

DWORD SideOfDockBar(UINT nDockBarID)
{
    for (const auto& entry : kDockBarSides) {
        if (entry.nDockBarID == nDockBarID)
            return entry.dwSide;
    }
    return 0;
}

bool IsDockedAndShown(const CControlBar* pBar)
{
    return IsWindow(const_cast<CControlBar*>(pBar)) && (pBar->GetStyle() & WS_VISIBLE) && !pBar->IsFloating();
}

// A bar the frame lays out in a row at dwSide.
bool IsRowBarAt(const CControlBar* pBar, DWORD dwSide)
{
    return pBar->SharesDockRow() && pBar->m_bInDockRow && IsDockedAndShown(pBar) &&
           (pBar->m_dwStyle & CBRS_ALIGN_ANY) == dwSide;
}

}  // namespace

UINT DockBarIdOfSide(DWORD dwSide)
{
    for (const auto& entry : kDockBarSides) {
        if (entry.dwSide == dwSide)
            return entry.nDockBarID;
    }
    return 0;
}

size_t DropPlaceInRow(const std::vector<CControlBar*>& row, const CRect& rectDrop, bool bHorz)
{
    for (size_t i = 0; i < row.size(); ++i) {
        CRect rect;
        row[i]->GetWindowRect(rect);
        const CPoint ptMiddle = rect.CenterPoint();
        if ((bHorz ? ptMiddle.x : ptMiddle.y) > (bHorz ? rectDrop.left : rectDrop.top))
            return i;
    }
    return row.size();
}

CFrameWnd::CFrameWnd() { AfxInstallDocumentWindowOps(); }

CFrameWnd::~CFrameWnd()
{
    delete m_pMenuBar;
    for (CControlBar* pBar : m_listControlBars)
        pBar->m_pDockSite = nullptr;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource)) {
        const int nNewLine = strFull.Find(_T('\n'));
        m_strTitle = nNewLine >= 0 ? strFull.Left(nNewLine) : strFull;
    }
    if (AfxHasMenuResource(nIDResource) && !m_menuDefault.GetSafeHmenu())
        m_menuDefault.LoadMenu(nIDResource);
    if (!Create(nullptr, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0, pContext))
        return FALSE;
    if (!pContext)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    // LoadFrame passes the title's own buffer: copy it before the title is assigned, which
    // may free that buffer.
    const CString strName = lpszWindowName ? CString(lpszWindowName) : CString();
    if (lpszWindowName)
        m_strTitle = strName;
    m_bSelfDelete = CreateEx(dwExStyle, lpszClassName, lpszWindowName ? strName.GetString() : nullptr,
                             dwStyle, rect, pParentWnd, 0, pContext);
    return m_bSelfDelete;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_menuDefault.GetSafeHmenu()) {
        m_pMenuBar = new CMenuBarWnd;
        if (!m_pMenuBar->Create(this)) {
            delete m_pMenuBar;
            m_pMenuBar = nullptr;
            return -1;
        }
        OnUpdateFrameMenu(nullptr);
    }
    if (!OnCreateClient(lpcs, static_cast<CCreateContext*>(lpcs->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CWnd*>(pObject);
    if (!pView) {
        delete pObject;
        return nullptr;
    }
    // A view whose window fails after it was made deletes itself (PostNcDestroy).
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID,
                       pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::OnDestroy()
{
    if (m_pMenuBar)
        m_pMenuBar->SetMenu(nullptr);
    // The bars go with their frame, not with the tool windows they float in.
    for (CControlBar* pBar : std::vector<CControlBar*>(m_listControlBars)) {
        if (IsWindow(pBar) && pBar->IsFloating())
            DockControlBar(pBar);
    }
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    if (CWinApp* pApp = AfxGetApp(); pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    if (m_bSelfDelete)
        delete this;
}

void CFrameWnd::OnClose()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        if (!pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        if (IsWindow(this))
            DestroyWindow();
        return;
    }
    CDocument* pDoc = GetActiveDocument();
    if (pDoc && !pDoc->CanCloseFrame(this))
        return;
    if (pDoc && pDoc->m_bAutoDelete) {
        // The last frame of the document closes the document, which takes the frame down.
        bool bOtherFrame = false;
        for (POSITION pos = pDoc->GetFirstViewPosition(); pos;) {
            if (CView* pView = pDoc->GetNextView(pos); pView->GetParentFrame() != this)
                bOtherFrame = true;
        }
        if (!bOtherFrame) {
            pDoc->OnCloseDocument();
            return;
        }
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && IsWindow(m_pViewActive))
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

// ---- views and documents ----

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (!bNotify)
        return;
    if (pViewOld && IsWindow(pViewOld))
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (pViewNew && IsWindow(pViewNew))
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

CFrameWnd* CFrameWnd::GetParentFrame() const
{
    for (CWnd* pWnd = GetParent(); pWnd; pWnd = pWnd->GetParent()) {
        if (pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (!m_pViewActive) {
        CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST);
        if (pPane && pPane->IsKindOf(RUNTIME_CLASS(CView)))
            SetActiveView(static_cast<CView*>(pPane), FALSE);
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
        ActivateFrame();
        if (m_pViewActive)
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsWindowVisible() ? SW_SHOW : SW_SHOWNORMAL;
    ShowWindow(nCmdShow);
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- title ----

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDoc = GetActiveDocument();
    if (bAddToTitle && (GetStyle() & FWS_ADDTOTITLE) && pDoc)
        UpdateFrameTitleForDocument(pDoc->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString strText = m_strTitle;
    if (lpszDocName && *lpszDocName) {
        if (m_strTitle.IsEmpty())
            strText = lpszDocName;
        else if (GetStyle() & FWS_PREFIXTITLE)
            strText = CString(lpszDocName) + _T(" - ") + m_strTitle;
        else
            strText = m_strTitle + _T(" - ") + lpszDocName;
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

// ---- menus ----

void CFrameWnd::ShowMenuInBar()
{
    if (m_pMenuBar)
        m_pMenuBar->SetMenu(m_pMenuShown);
}

void CFrameWnd::SetMenu(CMenu* pMenu)
{
    m_pMenuShown = pMenu ? pMenu : GetDefaultMenu();
    ShowMenuInBar();
}

void CFrameWnd::OnUpdateFrameMenu(CMenu* pMenuAlt) { SetMenu(pMenuAlt); }

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || !pPopupMenu)
        return;
    CMenuCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(int(state.m_nIndex));
        // Popups and separators have no command to ask about.
        if (state.m_nID == 0 || state.m_nID == UINT(-1))
            continue;
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, m_bAutoMenuEnable);
        // A handler may have added or removed items (the recent-file list does).
        const UINT nCount = pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= std::min(state.m_nIndex, state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount &&
                   pPopupMenu->GetMenuItemID(int(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}

LRESULT CFrameWnd::OnInitMenuPopupMessage(WPARAM wParam, LPARAM lParam)
{
    OnInitMenuPopup(reinterpret_cast<CMenu*>(wParam), LOWORD(DWORD(lParam)),
                    HIWORD(DWORD(lParam)) != 0);
    return 0;
}

LRESULT CFrameWnd::OnActivateMessage(WPARAM wParam, LPARAM lParam)
{
    OnActivate(LOWORD(DWORD(wParam)), WndFromParam(lParam), HIWORD(DWORD(wParam)) != 0);
    return 0;
}

void CFrameWnd::OnActivate(UINT nState, CWnd*, BOOL)
{
    CFrameWnd* pActive = GetActiveFrame();
    CView* pView = pActive ? pActive->GetActiveView() : nullptr;
    if (pView && IsWindow(pView)) {
        pView->OnActivateFrame(nState, pActive);
        // The focus comes back to the view unless the user put it into the frame (a bar's edit
        // box) on the way.
        CWnd* pFocus = GetFocus();
        if (nState != WA_INACTIVE && (!pFocus || (pFocus != this && !IsChild(pFocus))))
            pView->SetFocus();
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    OnUpdateFrameTitle(TRUE);
    // A floating bar is no descendant of its frame any more, so the idle update passes it here.
    for (CControlBar* pBar : m_listControlBars) {
        if (IsWindow(pBar) && pBar->IsFloating())
            pBar->SendMessage(WM_IDLEUPDATECMDUI, wParam);
    }
    return 0;
}

// ---- routing ----

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CView* pView = GetActiveView();
        pView && IsWindow(pView) && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // The application comes last, once: a frame inside another leaves it to the outer one.
    if (GetParentFrame())
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable)
        return TranslateAccelerator(this, m_hAccelTable, pMsg) != 0;
    return FALSE;
}

// ---- control bars ----

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar) ==
        m_listControlBars.end())
        m_listControlBars.push_back(pBar);
    pBar->m_pDockSite = this;
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) { std::erase(m_listControlBars, pBar); }

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    for (CControlBar* pBar : m_listControlBars) {
        if (UINT(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) { m_dwDockSides = dwDockStyle & CBRS_ALIGN_ANY; }

void CFrameWnd::TakeBackFloatingBar(CControlBar* pBar)
{
    if (!pBar->IsFloating())
        return;
    auto* pMini = static_cast<CMiniDockFrameWnd*>(pBar->GetParent());
    const BOOL bVisible = pBar->IsVisible();
    pBar->SetParent(this);
    pBar->m_dwStyle &= ~CBRS_FLOATING;
    pMini->ReleaseBar();
    pBar->ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    DWORD dwSide = SideOfDockBar(nDockBarID);
    if (!dwSide) {
        // The bar's present side when allowed, else the first side both allow.
        const DWORD dwAllowed = m_dwDockSides & pBar->m_dwDockStyle;
        dwSide = pBar->m_dwStyle & dwAllowed & CBRS_ALIGN_ANY;
        for (DWORD dwTry : {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT}) {
            if ((dwSide & dwTry) || (!dwSide && (dwAllowed & dwTry))) {
                dwSide = dwTry;
                break;
            }
        }
    }
    if (!dwSide)
        return;
    // Out of the list while it still lies where it was, so that its row keeps together.
    UnlistControlBar(pBar);
    TakeBackFloatingBar(pBar);
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | dwSide;
    // Bars at one side lie in the order they were docked: the newest goes innermost, or last
    // in the last row of bars that share rows, unless it is let go over a row.
    pBar->m_bNewRow = FALSE;
    pBar->m_bInDockRow = TRUE;
    m_listControlBars.insert(lpRect ? PlaceForDroppedBar(pBar, dwSide, *lpRect) : m_listControlBars.end(), pBar);
    pBar->m_pDockSite = this;
    RecalcLayout();
}

void CFrameWnd::UnlistControlBar(CControlBar* pBar)
{
    const auto it = std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar);
    if (it == m_listControlBars.end())
        return;
    const DWORD dwSide = pBar->m_dwStyle & CBRS_ALIGN_ANY;
    if (pBar->m_bNewRow && IsRowBarAt(pBar, dwSide)) {
        const auto itNext = std::find_if(it + 1, m_listControlBars.end(),
                                         [dwSide](const CControlBar* p) { return IsRowBarAt(p, dwSide); });
        if (itNext != m_listControlBars.end())
            (*itNext)->m_bNewRow = TRUE;
    }
    m_listControlBars.erase(it);
}

std::vector<CControlBar*>::iterator CFrameWnd::PlaceForDroppedBar(CControlBar* pBar, DWORD dwSide,
                                                                  const CRect& rectDrop)
{
    if (!pBar->SharesDockRow())
        return m_listControlBars.end();
    const bool bHorz = (dwSide & CBRS_ORIENT_HORZ) != 0;
    const CPoint ptMiddle = rectDrop.CenterPoint();
    for (CControlBar* pFirst : m_listControlBars) {
        if (!IsRowBarAt(pFirst, dwSide))
            continue;
        const std::vector<CControlBar*> row = GetDockRow(pFirst);
        if (row.empty() || row.front() != pFirst)
            continue;
        CRect rectRow;
        pFirst->GetWindowRect(rectRow);
        if (bHorz ? (ptMiddle.y < rectRow.top || ptMiddle.y >= rectRow.bottom)
                  : (ptMiddle.x < rectRow.left || ptMiddle.x >= rectRow.right))
            continue;
        const size_t nPlace = DropPlaceInRow(row, rectDrop, bHorz);
        if (nPlace == row.size())
            return std::find(m_listControlBars.begin(), m_listControlBars.end(), row.back()) + 1;
        // Put first, the bar begins the row in place of the bar that began it.
        if (nPlace == 0) {
            pBar->m_bNewRow = row.front()->m_bNewRow;
            row.front()->m_bNewRow = FALSE;
        }
        return std::find(m_listControlBars.begin(), m_listControlBars.end(), row[nPlace]);
    }
    return m_listControlBars.end();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL)
{
    if (!pBar || !IsWindow(pBar))
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (pBar->IsFloating())
        pBar->GetParent()->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint ptScreen)
{
    if (!pBar || !IsWindow(pBar) || pBar->IsFloating())
        return;
    const CSize size = pBar->CalcDynamicLayout(0, LM_MRUWIDTH);
    // Floating before the tool window takes it in, so that the bar lays itself out as one.
    pBar->m_dwStyle |= CBRS_FLOATING;
    auto* pMini = new CMiniDockFrameWnd;
    if (!pMini->Create(pBar, ptScreen, size)) {
        pBar->m_dwStyle &= ~CBRS_FLOATING;
        delete pMini;
        return;
    }
    if (pBar->IsVisible())
        pMini->ShowWindow(SW_SHOWNOACTIVATE);
    RecalcLayout();
}

DWORD CFrameWnd::DockSideAt(const CControlBar* pBar, CPoint ptScreen) const
{
    CRect rect;
    GetClientRect(rect);
    ClientToScreen(rect);
    if (!rect.PtInRect(ptScreen))
        return 0;
    const struct {
        DWORD dwSide;
        int nDistance;
    } sides[] = {{CBRS_ALIGN_TOP, ptScreen.y - rect.top},
                 {CBRS_ALIGN_BOTTOM, rect.bottom - ptScreen.y},
                 {CBRS_ALIGN_LEFT, ptScreen.x - rect.left},
                 {CBRS_ALIGN_RIGHT, rect.right - ptScreen.x}};
    DWORD dwBest = 0;
    int nBest = kDockStripWidth;
    for (const auto& side : sides) {
        if ((side.dwSide & m_dwDockSides & pBar->m_dwDockStyle) && side.nDistance < nBest) {
            dwBest = side.dwSide;
            nBest = side.nDistance;
        }
    }
    return dwBest;
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar)
        return FALSE;
    ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnBarCheckCommand(UINT nID) { OnBarCheck(nID); }

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (!pBar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(pBar->IsVisible() ? 1 : 0);
}

std::vector<CControlBar*> CFrameWnd::GetDockRow(const CControlBar* pBar) const
{
    std::vector<CControlBar*> row;
    if (!pBar || !pBar->SharesDockRow() || !IsDockedAndShown(pBar) || !pBar->m_bInDockRow)
        return row;
    const DWORD dwSide = pBar->m_dwStyle & CBRS_ALIGN_ANY;
    bool bFound = false;
    for (CControlBar* pOther : m_listControlBars) {
        if (!IsRowBarAt(pOther, dwSide))
            continue;
        if (pOther->m_bNewRow && !row.empty()) {
            if (bFound)
                break;
            row.clear();
        }
        row.push_back(pOther);
        bFound = bFound || pOther == pBar;
    }
    // A bar the frame does not lay out itself (one a derived frame places) is in no row.
    if (!bFound)
        row.clear();
    return row;
}

void CFrameWnd::LayoutDockRow(size_t nFirst, CRect& rectLeft, std::vector<bool>& placed)
{
    CControlBar* pFirst = m_listControlBars[nFirst];
    const DWORD dwSide = pFirst->m_dwStyle & CBRS_ALIGN_ANY;
    const bool bHorz = (dwSide & CBRS_ORIENT_HORZ) != 0 || dwSide == 0;
    const DWORD dwMode = bHorz ? LM_HORZDOCK : LM_VERTDOCK;
    // The first bar negotiates the row's space and may send bars on to a new row: ask again
    // until the row stays as it is.
    std::vector<CControlBar*> row = GetDockRow(pFirst);
    for (size_t nPass = 0; nPass <= m_listControlBars.size(); ++nPass) {
        for (CControlBar* pBar : row) {
            pBar->m_rectDockRow = rectLeft;
            pBar->CalcDynamicLayout(-1, dwMode);
        }
        std::vector<CControlBar*> rowNow = GetDockRow(pFirst);
        if (rowNow == row)
            break;
        row = std::move(rowNow);
    }
    int nThickness = 0;
    for (CControlBar* pBar : row) {
        const CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
        nThickness = std::max(nThickness, bHorz ? size.cy : size.cx);
    }
    CRect rectRow = rectLeft;
    if (dwSide & CBRS_ALIGN_BOTTOM) {
        rectRow.top = std::max(rectLeft.top, rectLeft.bottom - nThickness);
        rectLeft.bottom = rectRow.top;
    } else if (dwSide & CBRS_ALIGN_LEFT) {
        rectRow.right = std::min(rectLeft.right, rectLeft.left + nThickness);
        rectLeft.left = rectRow.right;
    } else if (dwSide & CBRS_ALIGN_RIGHT) {
        rectRow.left = std::max(rectLeft.left, rectLeft.right - nThickness);
        rectLeft.right = rectRow.left;
    } else {
        rectRow.bottom = std::min(rectLeft.bottom, rectLeft.top + nThickness - CControlBar::kRowTopShift);
        rectLeft.top = rectRow.bottom;
    }
    // Neighbours overlap by 2 pixels, so that their borders read as one line; a row along the top
    // or bottom starts 2 pixels before the side (the first bar's outer border lies beyond it),
    // and one along the top lies 2 pixels higher, its top border over the border above it.
    const int nTopShift = (dwSide & (CBRS_ALIGN_BOTTOM | CBRS_ORIENT_VERT)) ? 0 : CControlBar::kRowTopShift;
    int nPos = bHorz ? rectRow.left - CControlBar::kRowStartShift : rectRow.top;
    for (CControlBar* pBar : row) {
        const CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
        pBar->m_rectDockRow = rectRow;
        if (bHorz)
            pBar->MoveWindow(nPos, rectRow.top - nTopShift, size.cx, rectRow.Height() + nTopShift);
        else
            pBar->MoveWindow(rectRow.left, nPos, rectRow.Width(), size.cy);
        nPos += (bHorz ? size.cx : size.cy) - 2;
        const auto it = std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar);
        placed[size_t(it - m_listControlBars.begin())] = true;
    }
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd)
        return;
    // Moving a bar may lay the frame out again from inside this one.
    const BOOL bWasInRecalcLayout = m_bInRecalcLayout;
    m_bInRecalcLayout = TRUE;
    CRect rectLeft;
    GetClientRect(rectLeft);
    AdjustLayoutRect(rectLeft);
    // The strip's own style decides, not its visibility on screen: a frame lays itself out
    // while it is still hidden (at creation), and the strip must have its place by then.
    if (m_pMenuBar && (m_pMenuBar->GetStyle() & WS_VISIBLE)) {
        const int nHeight = m_pMenuBar->GetBarHeight();
        m_pMenuBar->MoveWindow(rectLeft.left, rectLeft.top, rectLeft.Width(), nHeight);
        rectLeft.top += nHeight;
    }
    std::vector<bool> placed(m_listControlBars.size(), false);
    for (size_t i = 0; i < m_listControlBars.size(); ++i) {
        CControlBar* pBar = m_listControlBars[i];
        if (placed[i] || !IsDockedAndShown(pBar))
            continue;
        if (pBar->SharesDockRow() && pBar->m_bInDockRow) {
            LayoutDockRow(i, rectLeft, placed);
            continue;
        }
        const DWORD dwSide = pBar->m_dwStyle & CBRS_ALIGN_ANY;
        const bool bHorz = (dwSide & CBRS_ORIENT_HORZ) != 0 || dwSide == 0;
        const CSize size = pBar->CalcFixedLayout(TRUE, bHorz);
        CRect rect = rectLeft;
        if (dwSide & CBRS_ALIGN_BOTTOM) {
            rect.top = std::max(rectLeft.top, rectLeft.bottom - size.cy);
            rectLeft.bottom = rect.top;
        } else if (dwSide & CBRS_ALIGN_LEFT) {
            rect.right = std::min(rectLeft.right, rectLeft.left + size.cx);
            rectLeft.left = rect.right;
        } else if (dwSide & CBRS_ALIGN_RIGHT) {
            rect.left = std::max(rectLeft.left, rectLeft.right - size.cx);
            rectLeft.right = rect.left;
        } else {
            rect.bottom = std::min(rectLeft.bottom, rectLeft.top + size.cy);
            rectLeft.top = rect.bottom;
        }
        pBar->MoveWindow(rect);
    }
    if (CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        pPane->MoveWindow(rectLeft);
    m_bInRecalcLayout = bWasInRecalcLayout;
}
