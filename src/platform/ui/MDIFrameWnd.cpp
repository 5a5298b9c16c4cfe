#include "platform/ui/MDIFrameWnd.h"

#include "platform/core/Document.h"
#include "platform/ui/MDIArrange.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_DESTROY()
    ON_COMMAND_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnWindowArrange)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateWindowArrange)
    ON_COMMAND_RANGE(AFX_IDM_FIRST_MDICHILD, AFX_IDM_FIRST_MDICHILD + 0xFF, OnWindowListItem)
END_MESSAGE_MAP()

namespace {

bool IsWindowListItem(const CMenu::Item& item)
{
    return !item.pPopup && item.nID >= AFX_IDM_FIRST_MDICHILD;
}

// Whether the menu's document entries are those items, in their order, checked and captioned
// alike.
bool ShowsWindowList(const CMenu& menu, const std::vector<CMenu::Item>& items)
{
    std::vector<const CMenu::Item*> shown;
    for (const CMenu::Item& item : menu.Items()) {
        if (IsWindowListItem(item))
            shown.push_back(&item);
    }
    return std::equal(shown.begin(), shown.end(), items.begin(), items.end(),
                      [](const CMenu::Item* pShown, const CMenu::Item& item) {
                          return pShown->nID == item.nID && pShown->nFlags == item.nFlags &&
                                 pShown->strText == item.strText;
                      });
}

bool IsWindowMenu(const CMenu* pMenu)
{
    for (UINT nID : {ID_WINDOW_ARRANGE, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT}) {
        if (pMenu->GetMenuState(nID, MF_BYCOMMAND) != UINT(-1))
            return true;
    }
    return false;
}

}  // namespace

CMDIFrameWnd::CMDIFrameWnd() = default;

CMDIFrameWnd::~CMDIFrameWnd() { delete m_pMDIClient; }

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    m_pMDIClient = new CMDIClientWnd;
    return m_pMDIClient->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST);
}

void CMDIFrameWnd::OnDestroy()
{
    m_pActiveChild = nullptr;
    CFrameWnd::OnDestroy();
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::GetMDIChildren() const
{
    std::vector<CMDIChildWnd*> children;
    if (!m_pMDIClient || !m_pMDIClient->GetSafeHwnd())
        return children;
    for (CWnd* pChild = m_pMDIClient->GetTopWindow(); pChild; pChild = pChild->GetNextWindow()) {
        if (pChild->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
            children.push_back(static_cast<CMDIChildWnd*>(pChild));
    }
    return children;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (pbMaximized)
        *pbMaximized = m_pActiveChild && (!IsWindow(m_pActiveChild) || m_pActiveChild->IsZoomed());
    return m_pActiveChild;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    auto* pChild = dynamic_cast<CMDIChildWnd*>(pWndActivate);
    if (pChild == m_pActiveChild || (pChild && !IsWindow(pChild)))
        return;
    CMDIChildWnd* pOld = m_pActiveChild;
    m_pActiveChild = pChild;
    if (pChild) {
        pChild->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // Among cascaded or tiled documents the next one keeps its place; after a maximised
        // one it is maximised too. Without one before it (the active one closed), a restored
        // document stays as it is.
        const bool bKeepPlace = (pOld && IsWindow(pOld)) ? !pOld->IsZoomed()
                                                         : pChild->IsWindowVisible() && !pChild->IsZoomed();
        if (bKeepPlace) {
            pChild->ShowWindow(SW_SHOW);
        } else if (pChild->IsWindowVisible() || !pChild->IsZoomed()) {
            pChild->MDIMaximize();
        }
    }
    // The captions of restored documents show which one is active.
    for (CMDIChildWnd* pCaption : {pOld, pChild}) {
        if (pCaption && IsWindow(pCaption) && !pCaption->IsZoomed())
            pCaption->Invalidate(FALSE);
    }
    if (pOld && IsWindow(pOld))
        pOld->OnMDIActivate(FALSE, pChild, pOld);
    if (pChild)
        pChild->OnMDIActivate(TRUE, pChild, pOld);
    OnUpdateFrameMenu(nullptr);
    OnUpdateFrameTitle(TRUE);
}

void CMDIFrameWnd::MDINext()
{
    const std::vector<CMDIChildWnd*> children = GetMDIChildren();
    if (children.size() < 2 || !m_pActiveChild)
        return;
    m_pActiveChild->SetWindowPos(&wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    MDIActivate(children[1]);
}

void CMDIFrameWnd::MDIPrev()
{
    const std::vector<CMDIChildWnd*> children = GetMDIChildren();
    if (children.size() >= 2)
        MDIActivate(children.back());
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    if (auto* pChild = dynamic_cast<CMDIChildWnd*>(pWnd); pChild && IsWindow(pChild))
        pChild->MDIMaximize();
    else if (IsWindow(pWnd))
        pWnd->ShowWindow(SW_SHOWMAXIMIZED);
}

void CMDIFrameWnd::OnChildDestroyed(CMDIChildWnd* pChild)
{
    if (m_pMDIClient && m_pMDIClient->GetSafeHwnd())
        m_pMDIClient->RecalcChildScroll(pChild);
    if (pChild != m_pActiveChild)
        return;
    m_pActiveChild = nullptr;
    for (CMDIChildWnd* pOther : GetMDIChildren()) {
        if (pOther != pChild) {
            MDIActivate(pOther);
            return;
        }
    }
    OnUpdateFrameMenu(nullptr);
    OnUpdateFrameTitle(TRUE);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    return m_pActiveChild ? static_cast<CFrameWnd*>(m_pActiveChild) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    return m_pActiveChild ? m_pActiveChild->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDoc = m_pActiveChild ? m_pActiveChild->GetActiveDocument() : nullptr;
    if (bAddToTitle && (GetStyle() & FWS_ADDTOTITLE) && pDoc)
        UpdateFrameTitleForDocument(pDoc->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CMDIFrameWnd::OnUpdateFrameMenu(CMenu* pMenuAlt)
{
    if (!pMenuAlt && m_pActiveChild)
        pMenuAlt = m_pActiveChild->m_hMenuShared;
    SetMenu(pMenuAlt);
}

void CMDIFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    if (pPopupMenu && !bSysMenu && IsWindowMenu(pPopupMenu))
        FillWindowList(pPopupMenu);
    CFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
}

std::vector<CMenu::Item> CMDIFrameWnd::WindowListItems() const
{
    std::vector<CMDIChildWnd*> children = GetMDIChildren();
    std::sort(children.begin(), children.end(), [](CMDIChildWnd* a, CMDIChildWnd* b) {
        return a->GetDlgCtrlID() < b->GetDlgCtrlID();
    });
    std::vector<CMenu::Item> items;
    int nNumber = 1;
    for (CMDIChildWnd* pChild : children) {
        CString strTitle;
        pChild->GetWindowText(strTitle);
        CMenu::Item& item = items.emplace_back();
        item.nFlags = pChild == m_pActiveChild ? MF_CHECKED : 0;
        item.nID = UINT(pChild->GetDlgCtrlID());
        item.strText.Format(_T("&%d %s"), nNumber++, strTitle);
    }
    return items;
}

void CMDIFrameWnd::FillWindowList(CMenu* pPopupMenu)
{
    // Asked for at every idle pass: a list that is right already is left alone, as any change
    // to the menu has a native menu bar rebuilt.
    const std::vector<CMenu::Item> wanted = WindowListItems();
    if (ShowsWindowList(*pPopupMenu, wanted))
        return;

    // Take out the list of the last time, with the separator before it.
    bool bHadList = false;
    for (int i = int(pPopupMenu->GetMenuItemCount()) - 1; i >= 0; --i) {
        if (IsWindowListItem(pPopupMenu->Items()[std::size_t(i)])) {
            pPopupMenu->RemoveMenu(UINT(i), MF_BYPOSITION);
            bHadList = true;
        }
    }
    const UINT nCount = pPopupMenu->GetMenuItemCount();
    if (bHadList && nCount > 0 &&
        (pPopupMenu->GetMenuState(nCount - 1, MF_BYPOSITION) & MF_SEPARATOR))
        pPopupMenu->RemoveMenu(nCount - 1, MF_BYPOSITION);

    if (wanted.empty())
        return;
    pPopupMenu->AppendMenu(MF_SEPARATOR);
    for (const CMenu::Item& item : wanted)
        pPopupMenu->AppendMenu(MF_STRING | item.nFlags, item.nID, item.strText);
}

void CMDIFrameWnd::OnWindowListItem(UINT nID)
{
    for (CMDIChildWnd* pChild : GetMDIChildren()) {
        if (UINT(pChild->GetDlgCtrlID()) == nID) {
            MDIActivate(pChild);
            return;
        }
    }
}

void CMDIFrameWnd::OnWindowArrange(UINT nID)
{
    if (!m_pMDIClient || !m_pMDIClient->GetSafeHwnd())
        return;
    // Front to back; the active document stays in front.
    std::vector<CMDIChildWnd*> children;
    for (CMDIChildWnd* pChild : GetMDIChildren()) {
        if (pChild->GetStyle() & WS_VISIBLE)
            children.push_back(pChild);
    }
    if (children.empty())
        return;
    // The documents are placed over the whole area, which then needs no scroll bars.
    m_pMDIClient->ShowScrollBar(SB_BOTH, FALSE);
    CRect rectClient;
    m_pMDIClient->GetClientRect(rectClient);
    const int nCount = int(children.size());
    std::vector<CRect> rects;
    if (nID == ID_WINDOW_CASCADE) {
        // The frame at the back takes the first place, the active one the last.
        std::reverse(children.begin(), children.end());
        rects = CascadeRects(nCount, rectClient.Size(), CMDIChildWnd::kCaptionHeight + CMDIChildWnd::kBorderWidth);
    } else if (nID == ID_WINDOW_TILE_HORZ || nID == ID_WINDOW_TILE_VERT) {
        rects = TileRects(nCount, rectClient.Size(), nID == ID_WINDOW_TILE_HORZ);
    } else {
        return;   // Arrange Icons: no document is ever minimised
    }
    for (int i = 0; i < nCount; ++i) {
        CMDIChildWnd* pChild = children[size_t(i)];
        pChild->MDIRestore();
        const CRect& rect = rects[size_t(i)];
        pChild->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
        pChild->Invalidate(FALSE);
    }
}

void CMDIFrameWnd::OnUpdateWindowArrange(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pActiveChild != nullptr); }

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pActiveChild && IsWindow(m_pActiveChild) &&
        m_pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pActiveChild && IsWindow(m_pActiveChild) && m_pActiveChild->m_hAccelTable &&
        pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        TranslateAccelerator(m_pActiveChild, m_pActiveChild->m_hAccelTable, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}
