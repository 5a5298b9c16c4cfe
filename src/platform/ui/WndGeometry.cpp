// Window and client rectangles, coordinate mapping and placement.
#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"

#include <algorithm>

CRect CWnd::ClientInWindow() const
{
    // Top-level windows get their frame from the window manager, outside the rectangle the
    // layer keeps; a child's borders lie inside its window rectangle, and so does the sizing
    // frame of a top-level window without a caption, which the window manager leaves bare.
    int nInset = 0;
    if (m_dwStyle & WS_CHILD) {
        if (m_dwExStyle & WS_EX_CLIENTEDGE)
            nInset += 2;
        if (m_dwExStyle & WS_EX_STATICEDGE)
            nInset += 1;
        if ((m_dwStyle & WS_DLGFRAME) || (m_dwStyle & WS_THICKFRAME))
            nInset += kThickFrame;
        else if (m_dwStyle & WS_BORDER)
            nInset += 1;
    } else if ((m_dwStyle & WS_THICKFRAME) && (m_dwStyle & WS_CAPTION) != WS_CAPTION) {
        nInset = kThickFrame;
    }
    CRect rect(0, 0, m_rectWindow.Width(), m_rectWindow.Height());
    rect.DeflateRect(nInset, nInset);
    // The window's own scroll bars take their room from the client area.
    if (m_dwStyle & WS_VSCROLL)
        rect.right -= kScrollBarThickness;
    if (m_dwStyle & WS_HSCROLL)
        rect.bottom -= kScrollBarThickness;
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    return rect;
}

CPoint CWnd::ClientOriginOnScreen() const
{
    CPoint origin = m_rectWindow.TopLeft() + ClientInWindow().TopLeft();
    if (m_pParent)
        origin += m_pParent->ClientOriginOnScreen();
    return origin;
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    CRect rect = m_rectWindow;
    if (m_pParent)
        rect.OffsetRect(m_pParent->ClientOriginOnScreen());
    *lpRect = rect;
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    const CRect rectClient = ClientInWindow();
    *lpRect = CRect(0, 0, rectClient.Width(), rectClient.Height());
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    const CPoint origin = ClientOriginOnScreen();
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->left));
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    const CPoint origin = ClientOriginOnScreen();
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->left));
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::MapWindowPoints(const CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    // A null target means the screen.
    const CSize offset = ClientOriginOnScreen() -
                         (pwndTo ? pwndTo->ClientOriginOnScreen() : CPoint(0, 0));
    for (UINT i = 0; i < nCount; ++i) {
        lpPoint[i].x += offset.cx;
        lpPoint[i].y += offset.cy;
    }
}

void CWnd::MapWindowPoints(const CWnd* pwndTo, LPRECT lpRect) const
{
    MapWindowPoints(pwndTo, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | (bRepaint ? 0 : SWP_NOREDRAW));
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::CenterWindow()
{
    const CWnd* pParent = GetParent();
    if (!m_hWnd || !pParent)
        return;
    const bool bChild = (m_dwStyle & WS_CHILD) != 0;
    CRect rcArea, rc;
    GetWindowRect(rc);
    if (bChild) {
        pParent->GetClientRect(rcArea);
        pParent->ScreenToClient(rc);
    } else {
        pParent->GetWindowRect(rcArea);
    }
    const CPoint ptCentre = rcArea.CenterPoint();
    SetWindowPos(nullptr, ptCentre.x - rc.Width() / 2, ptCentre.y - rc.Height() / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    if (!m_hWnd)
        return FALSE;
    const CRect rectOld = m_rectWindow;
    CRect rectNew = rectOld;
    if (!(nFlags & SWP_NOMOVE))
        rectNew.MoveToXY(x, y);
    if (!(nFlags & SWP_NOSIZE)) {
        cx = std::max(cx, 0);
        cy = std::max(cy, 0);
        // As the classic system does for windows the user sizes: a top-level or thick-framed
        // window stays within the sizes it allows.
        if (!(m_dwStyle & WS_CHILD) || (m_dwStyle & WS_THICKFRAME)) {
            CSize sizeMin, sizeMax;
            GetTrackSizes(sizeMin, sizeMax);
            cx = std::max(std::min(cx, int(sizeMax.cx)), int(sizeMin.cx));
            cy = std::max(std::min(cy, int(sizeMax.cy)), int(sizeMin.cy));
        }
        rectNew.right = rectNew.left + cx;
        rectNew.bottom = rectNew.top + cy;
    }
    if (!(nFlags & SWP_NOZORDER))
        Restack(pWndInsertAfter);
    m_rectWindow = rectNew;
    const bool bSized = rectNew.Size() != rectOld.Size();
    const bool bMoved = rectNew.TopLeft() != rectOld.TopLeft();
    if (bSized || bMoved || (nFlags & SWP_FRAMECHANGED))
        SyncPeerGeometry();
    if (bSized) {
        SendSizeMessage();
        if (!(nFlags & SWP_NOREDRAW))
            Invalidate(TRUE);
    }
    if (bMoved && m_hWnd)
        SendMessage(WM_MOVE, 0, MakePointLParam(rectNew.TopLeft() + ClientInWindow().TopLeft()));
    if (m_hWnd && (nFlags & SWP_SHOWWINDOW))
        ShowWindow((nFlags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (m_hWnd && (nFlags & SWP_HIDEWINDOW))
        ShowWindow(SW_HIDE);
    return TRUE;
}

void CWnd::SendSizeMessage()
{
    const CRect rectClient = ClientInWindow();
    const UINT nType = IsZoomed() ? SIZE_MAXIMIZED : IsIconic() ? SIZE_MINIMIZED : SIZE_RESTORED;
    SendMessage(WM_SIZE, nType, MAKELPARAM(WORD(rectClient.Width()), WORD(rectClient.Height())));
}

void CWnd::ShowStateChanged(int nShowState)
{
    if (!m_hWnd || nShowState == m_nShowState)
        return;
    m_nShowState = nShowState;
    SendSizeMessage();
}

void CWnd::Restack(const CWnd* pWndInsertAfter)
{
    std::vector<CWnd*>& siblings = *SiblingList();
    std::erase(siblings, this);
    auto at = siblings.begin();
    if (pWndInsertAfter == &wndBottom) {
        at = siblings.end();
    } else if (pWndInsertAfter && pWndInsertAfter != &wndTop && pWndInsertAfter != &wndTopMost &&
               pWndInsertAfter != &wndNoTopMost) {
        const auto after = std::find(siblings.begin(), siblings.end(), pWndInsertAfter);
        at = after != siblings.end() ? after + 1 : siblings.begin();
    }
    at = siblings.insert(at, this);
    if (m_pPeer) {
        CWnd* pAbove = at != siblings.begin() ? *(at - 1) : nullptr;
        m_pPeer->StackUnder(pAbove ? pAbove->m_pPeer.get() : nullptr);
    }
}

void CWnd::SyncPeerGeometry()
{
    if (!m_pPeer)
        return;
    m_pPeer->SetGeometry(m_rectWindow, ClientInWindow());
    SyncPeerSizeLimits();
}

void CWnd::GetTrackSizes(CSize& sizeMin, CSize& sizeMax)
{
    MINMAXINFO info{};
    info.ptMaxTrackSize = {MINMAXINFO_NO_LIMIT, MINMAXINFO_NO_LIMIT};
    SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    sizeMin = CSize(std::max(info.ptMinTrackSize.x, LONG(0)), std::max(info.ptMinTrackSize.y, LONG(0)));
    sizeMax = CSize(std::max(info.ptMaxTrackSize.x, sizeMin.cx), std::max(info.ptMaxTrackSize.y, sizeMin.cy));
}

void CWnd::SyncPeerSizeLimits()
{
    if (!m_pPeer || (m_dwStyle & WS_CHILD))
        return;
    CSize sizeMin, sizeMax;
    GetTrackSizes(sizeMin, sizeMax);
    m_pPeer->SetSizeLimits(sizeMin, sizeMax);
}
