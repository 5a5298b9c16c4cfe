#include "platform/ui/MDIChildWnd.h"

#include "platform/core/Document.h"
#include "platform/gdi/DC.h"
#include "platform/ui/MDIClientWnd.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/View.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_SIZE()
    ON_WM_MOVE()
END_MESSAGE_MAP()

namespace {

// A maximised document window shows no caption or border of its own: the MDI frame's title
// names the document.
constexpr DWORD kFrameDecoration = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_POPUP;

constexpr COLORREF kActiveCaption = RGB(0, 84, 166);
constexpr COLORREF kInactiveCaption = RGB(128, 128, 128);
constexpr COLORREF kCaptionText = RGB(255, 255, 255);
constexpr COLORREF kBorderFace = RGB(212, 208, 200);

}  // namespace

CMDIChildWnd::CMDIChildWnd() = default;
CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    auto* pMDIFrame = dynamic_cast<CMDIFrameWnd*>(pParentWnd ? pParentWnd : AfxGetMainWnd());
    if (!pMDIFrame)
        return FALSE;
    if (!Create(nullptr, nullptr, dwDefaultStyle, rectDefault, pMDIFrame, pContext))
        return FALSE;
    if (!pContext)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    CWnd* pClient = pParentWnd ? pParentWnd->GetMDIClient() : nullptr;
    if (!pClient || !pClient->GetSafeHwnd())
        return FALSE;
    m_pMDIFrame = pParentWnd;
    if (lpszWindowName)
        m_strTitle = lpszWindowName;
    // Ids of document frames are the Window menu's commands for them, in creation order.
    static UINT s_nNextID = 0;
    const UINT nID = AFX_IDM_FIRST_MDICHILD + (s_nNextID++ % 0x100);
    const DWORD dwWindowStyle = (dwStyle & ~kFrameDecoration) | WS_CHILD | WS_CLIPSIBLINGS;
    m_bSelfDelete = CreateEx(WS_EX_MDICHILD, lpszClassName, lpszWindowName, dwWindowStyle, rect,
                             pClient, nID, pContext);
    if (!m_bSelfDelete)
        return FALSE;
    if (dwStyle & WS_VISIBLE)
        MDIActivate();
    return TRUE;
}

void CMDIChildWnd::MDIActivate()
{
    if (m_pMDIFrame)
        m_pMDIFrame->MDIActivate(this);
}

void CMDIChildWnd::ActivateFrame(int)
{
    MDIMaximize();
    MDIActivate();
}

void CMDIChildWnd::MDIMaximize()
{
    const BOOL bWasZoomed = IsZoomed();
    ShowWindow(SW_SHOWMAXIMIZED);
    // The caption and the border go without a change of size that would lay the frame out.
    if (!bWasZoomed) {
        RecalcLayout();
        Invalidate();
    }
}

void CMDIChildWnd::MDIRestore()
{
    const BOOL bWasZoomed = IsZoomed();
    ShowWindow(SW_SHOWNORMAL);
    if (bWasZoomed) {
        RecalcLayout();
        Invalidate();
    }
}

void CMDIChildWnd::AdjustLayoutRect(CRect& rect) const
{
    if (IsZoomed())
        return;
    rect.top += kCaptionHeight;
    rect.DeflateRect(kBorderWidth, 0, kBorderWidth, kBorderWidth);
    rect.bottom = std::max(rect.bottom, rect.top);
    rect.right = std::max(rect.right, rect.left);
}

BOOL CMDIChildWnd::IsInCaption(CPoint point) const
{
    CRect rect;
    GetClientRect(rect);
    return !IsZoomed() && rect.PtInRect(point) && point.y < kCaptionHeight;
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    const UINT nMsg = pMsg->message;
    if ((nMsg == WM_LBUTTONDOWN || nMsg == WM_RBUTTONDOWN || nMsg == WM_MBUTTONDOWN) && m_pMDIFrame &&
        m_pMDIFrame->MDIGetActive() != this)
        MDIActivate();
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::OnPaint()
{
    CPaintDC dc(this);
    if (IsZoomed())
        return;
    CRect rect;
    GetClientRect(rect);
    dc.FillSolidRect(rect, kBorderFace);
    dc.Draw3dRect(rect, RGB(255, 255, 255), RGB(64, 64, 64));
    const bool bActive = m_pMDIFrame && m_pMDIFrame->MDIGetActive() == this;
    CRect rectCaption(rect.left + kBorderWidth, rect.top + kBorderWidth, rect.right - kBorderWidth,
                      rect.top + kCaptionHeight - 1);
    dc.FillSolidRect(rectCaption, bActive ? kActiveCaption : kInactiveCaption);
    CString strTitle;
    GetWindowText(strTitle);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kCaptionText);
    dc.TextOut(rectCaption.left + 4, rectCaption.top + 1, strTitle);
}

void CMDIChildWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsInCaption(point)) {
        CFrameWnd::OnLButtonDown(nFlags, point);
        return;
    }
    m_bDragging = TRUE;
    m_ptDragGrip = point;
    SetCapture();
}

void CMDIChildWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragging) {
        CFrameWnd::OnMouseMove(nFlags, point);
        return;
    }
    // The pressed point stays under the cursor, as long as the caption stays in the client
    // area, where it can be reached again.
    CWnd* pClient = GetParent();
    if (!pClient)
        return;
    CRect rect, rectClient;
    GetWindowRect(rect);
    pClient->ScreenToClient(rect);
    pClient->GetClientRect(rectClient);
    const CSize offset = point - m_ptDragGrip;
    const int x = std::clamp(rect.left + offset.cx, kCaptionHeight - rect.Width(),
                             std::max(kCaptionHeight - rect.Width(), rectClient.right - kCaptionHeight));
    const int y = std::clamp(rect.top + offset.cy, 0, std::max(0, rectClient.bottom - kCaptionHeight));
    if (x != rect.left || y != rect.top)
        SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMDIChildWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging)
        ReleaseCapture();
    else
        CFrameWnd::OnLButtonUp(nFlags, point);
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    TellClientOfPlace();
}

void CMDIChildWnd::OnMove(int x, int y)
{
    CFrameWnd::OnMove(x, y);
    TellClientOfPlace();
}

void CMDIChildWnd::TellClientOfPlace()
{
    if (auto* pClient = dynamic_cast<CMDIClientWnd*>(GetParent()))
        pClient->RecalcChildScroll();
}

void CMDIChildWnd::OnCaptureChanged(CWnd* pWnd)
{
    m_bDragging = FALSE;
    CFrameWnd::OnCaptureChanged(pWnd);
}

void CMDIChildWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!IsInCaption(point)) {
        CFrameWnd::OnLButtonDblClk(nFlags, point);
        return;
    }
    MDIMaximize();
    if (m_pMDIFrame)
        m_pMDIFrame->MDIActivate(this);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*)
{
    CView* pView = GetActiveView();
    if (!pView || !IsWindow(pView))
        return;
    if (bActivate) {
        pView->OnActivateView(TRUE, pView, pView);
        pView->SetFocus();
    } else {
        pView->OnActivateView(FALSE, pView, pView);
    }
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDoc = GetActiveDocument();
    if (bAddToTitle && pDoc) {
        CString strOld;
        GetWindowText(strOld);
        if (strOld != pDoc->GetTitle()) {
            SetWindowText(pDoc->GetTitle());
            if (!IsZoomed())
                Invalidate(FALSE);   // the caption shows the title
        }
    }
}

void CMDIChildWnd::OnDestroy()
{
    if (m_pMDIFrame && IsWindow(m_pMDIFrame))
        m_pMDIFrame->OnChildDestroyed(this);
    CFrameWnd::OnDestroy();
}
