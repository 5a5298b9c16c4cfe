#include "platform/ui/ControlBar.h"

#include "platform/ui/FrameWnd.h"
#include "platform/ui/MiniDockFrameWnd.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

// A bar's thickness when its class says nothing else.
constexpr int kDefaultThickness = 24;

}  // namespace

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    LeaveToolWindow();
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

void CControlBar::LeaveToolWindow()
{
    if (!IsFloating())
        return;
    if (auto* pMini = dynamic_cast<CMiniDockFrameWnd*>(GetParent()))
        pMini->OnBarDestroyed();
    m_dwStyle &= ~CBRS_FLOATING;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    m_dwStyle = dwStyle;
    if (m_pDockSite && m_hWnd)
        m_pDockSite->RecalcLayout();
}

BOOL CControlBar::CreateBar(LPCTSTR lpszWindowName, DWORD dwStyle, CWnd* pParentWnd, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    const DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD;
    if (!CWnd::Create(nullptr, lpszWindowName, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    for (CWnd* pWnd = pParentWnd; pWnd; pWnd = pWnd->GetParent()) {
        if (pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
            m_pDockSite = static_cast<CFrameWnd*>(pWnd);
            m_pDockSite->AddControlBar(this);
            break;
        }
    }
    return TRUE;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size(kDefaultThickness, kDefaultThickness);
    if (bStretch && m_pDockSite) {
        CRect rect;
        m_pDockSite->GetClientRect(rect);
        if (bHorz)
            size.cx = rect.Width();
        else
            size.cy = rect.Height();
    }
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!IsWindowVisible())
        return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = (pOwner && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
                             ? static_cast<CFrameWnd*>(pOwner)
                             : m_pDockSite;
    if (pTarget)
        OnUpdateCmdUI(pTarget, BOOL(wParam));
    return 0;
}

void CControlBar::OnDestroy()
{
    LeaveToolWindow();
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
