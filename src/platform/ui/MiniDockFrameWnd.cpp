#include "platform/ui/MiniDockFrameWnd.h"

#include "platform/ui/ControlBar.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMiniDockFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CMiniDockFrameWnd::Create(CControlBar* pBar, CPoint ptScreen, CSize sizeClient)
{
    CFrameWnd* pDockSite = pBar ? pBar->GetDockingFrame() : nullptr;
    if (!pDockSite)
        return FALSE;
    CString strTitle;
    pBar->GetWindowText(strTitle);
    const CRect rect(ptScreen, sizeClient);
    if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, strTitle, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, rect,
                  pDockSite->GetTopLevelParent(), 0))
        return FALSE;
    m_pBar = pBar;
    pBar->SetParent(this);
    CRect rectClient;
    GetClientRect(rectClient);
    pBar->MoveWindow(rectClient);
    return TRUE;
}

void CMiniDockFrameWnd::ReleaseBar()
{
    m_pBar = nullptr;
    DestroyWindow();
}

void CMiniDockFrameWnd::OnBarDestroyed()
{
    m_pBar = nullptr;
    PostMessage(WM_CLOSE);
}

void CMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_pBar)
        return;
    // A window the user resized keeps its size the next time the bar floats.
    m_pBar->CalcDynamicLayout(cx, 0);
    m_pBar->CalcDynamicLayout(cy, LM_LENGTHY);
    m_pBar->MoveWindow(0, 0, cx, cy);
}

void CMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CWnd::OnGetMinMaxInfo(lpMMI);
    if (!m_pBar)
        return;
    const CSize sizeMin = m_pBar->GetMinFloatingSize();
    lpMMI->ptMinTrackSize = {std::max(lpMMI->ptMinTrackSize.x, sizeMin.cx), std::max(lpMMI->ptMinTrackSize.y, sizeMin.cy)};
}

void CMiniDockFrameWnd::OnClose()
{
    if (!m_pBar)
        DestroyWindow();
    else if (m_pBar->GetDockingFrame())
        m_pBar->GetDockingFrame()->ShowControlBar(m_pBar, FALSE, FALSE);
}

void CMiniDockFrameWnd::PostNcDestroy() { delete this; }
