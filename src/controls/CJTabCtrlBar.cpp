#include "controls/CJTabCtrlBar.h"

#include "platform/core/Exception.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CreateContext.h"
#include "platform/ui/View.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CCJTabCtrlBar, CCJControlBar)

BEGIN_MESSAGE_MAP(CCJTabCtrlBar, CCJControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_NOTIFY(TCN_SELCHANGE, CCJTabCtrlBar::kTabCtrlID, OnSelChange)
END_MESSAGE_MAP()

namespace {

// The tab control and the views inside it, as x, y and the amounts taken off the window's width
// and height. Docked along the top or bottom the gripper takes the left side, along the left or
// right the top; the tab headers lie along the bottom of the tab control.
struct TabPlacement {
    int x, y, dcx, dcy;
};
struct TabLayoutRow {
    TabPlacement tab;
    TabPlacement view;
};

constexpr CSize kTabPadding(1, 2);

constexpr TabLayoutRow kFloating = {{5, 5, 10, 7}, {8, 8, 16, 34}};
constexpr TabLayoutRow kHorzDocked = {{17, 5, 25, 17}, {20, 8, 31, 44}};
constexpr TabLayoutRow kVertDocked = {{5, 20, 17, 31}, {8, 23, 23, 58}};

CRect Place(const TabPlacement& p, CSize size)
{
    return CRect(CPoint(p.x, p.y), CSize(size.cx - p.dcx, size.cy - p.dcy));
}

}  // namespace

CCJTabCtrlBar::TabLayout CCJTabCtrlBar::CalcTabLayout(CSize sizeWindow, UINT nDockBarID)
{
    const TabLayoutRow* pRow = &kFloating;
    if (nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM)
        pRow = &kHorzDocked;
    else if (nDockBarID == AFX_IDW_DOCKBAR_LEFT || nDockBarID == AFX_IDW_DOCKBAR_RIGHT)
        pRow = &kVertDocked;
    return {Place(pRow->tab, sizeWindow), Place(pRow->view, sizeWindow)};
}

int CCJTabCtrlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCJControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_tabctrl.Create(WS_CHILD | WS_VISIBLE | TCS_TOOLTIPS | TCS_BOTTOM, CRect(0, 0, 0, 0), this,
                          kTabCtrlID))
        return -1;
    if (m_font.CreateStockObject(DEFAULT_GUI_FONT))
        m_tabctrl.SetFont(&m_font);
    // Tabs no wider than their pictures and short titles need: several show in a narrow bar.
    m_tabctrl.SetPadding(kTabPadding);
    return 0;
}

void CCJTabCtrlBar::OnDestroy()
{
    // The views go with the bar's window; only their records are the bar's.
    m_views.clear();
    m_pActiveView = nullptr;
    CCJControlBar::OnDestroy();
}

void CCJTabCtrlBar::LayoutContent()
{
    CRect rcWindow;
    GetClientRect(rcWindow);
    const CPoint ptOrigin = GetContentRect().TopLeft();
    TabLayout layout = CalcTabLayout(rcWindow.Size(), GetDockBarID());
    layout.rcTab.OffsetRect(ptOrigin);
    layout.rcView.OffsetRect(ptOrigin);
    if (IsWindow(&m_tabctrl))
        m_tabctrl.MoveWindow(layout.rcTab);
    for (const TabView& tab : m_views)
        tab.pView->MoveWindow(layout.rcView);
}

BOOL CCJTabCtrlBar::AddView(LPCTSTR lpszTitle, CRuntimeClass* pViewClass, CCreateContext* pContext)
{
    CObject* pObject = pViewClass->CreateObject();
    if (!pObject)
        AfxThrowMemoryException();
    auto* pView = dynamic_cast<CView*>(pObject);
    if (!pView) {
        delete pObject;
        return FALSE;
    }
    CCreateContext context;
    const BOOL bFirst = m_views.empty();
    // Only the first view starts shown; the others wait hidden and disabled for their tab.
    const DWORD dwStyle = WS_CHILD | WS_BORDER | (bFirst ? WS_VISIBLE : WS_DISABLED);
    // A view whose window fails after it was made deletes itself (PostNcDestroy).
    if (!pView->Create(nullptr, nullptr, dwStyle, CRect(0, 0, 0, 0), this, 0, pContext ? pContext : &context))
        return FALSE;
    // The views lie over the tab control's display area: the control goes beneath them, else it
    // would cover them (a window made later lies below its older siblings).
    m_tabctrl.SetWindowPos(&wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const CString strTitle = CString(lpszTitle).Left(kMaxTitle);
    m_views.push_back({pView, strTitle});
    if (bFirst) {
        m_nActiveTab = 0;
        m_pActiveView = pView;
    }
    const int nTab = GetViewCount() - 1;
    m_tabctrl.InsertItem(nTab, strTitle, nTab);
    m_tabctrl.SetItemTip(nTab, strTitle);
    LayoutContent();
    return TRUE;
}

CView* CCJTabCtrlBar::GetView(int nView) const
{
    return nView >= 0 && nView < GetViewCount() ? m_views[std::size_t(nView)].pView : nullptr;
}

CString CCJTabCtrlBar::GetViewTitle(int nView) const
{
    return nView >= 0 && nView < GetViewCount() ? m_views[std::size_t(nView)].strTitle : CString();
}

void CCJTabCtrlBar::SetActiveView(int nNewTab)
{
    CView* pNewView = GetView(nNewTab);
    if (!pNewView || nNewTab == m_nActiveTab)
        return;
    if (m_pActiveView) {
        m_pActiveView->EnableWindow(FALSE);
        m_pActiveView->ShowWindow(SW_HIDE);
    }
    pNewView->EnableWindow(TRUE);
    pNewView->ShowWindow(SW_SHOW);
    pNewView->SetFocus();
    m_nActiveTab = nNewTab;
    m_pActiveView = pNewView;
    m_tabctrl.SetCurSel(nNewTab);
}

void CCJTabCtrlBar::OnSelChange(NMHDR*, LRESULT* pResult)
{
    const int nTab = m_tabctrl.GetCurSel();
    if (nTab != m_nActiveTab && GetView(nTab)) {
        SetActiveView(nTab);
        OnTabSelected(nTab, m_pActiveView);
        Invalidate();
    }
    *pResult = 0;
}

void CCJTabCtrlBar::OnTabSelected(int, CView*) {}
