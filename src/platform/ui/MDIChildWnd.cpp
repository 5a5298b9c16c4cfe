#include "platform/ui/MDIChildWnd.h"

#include "platform/core/Document.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// A maximised document window shows no caption or border of its own: the MDI frame's title
// names the document.
constexpr DWORD kFrameDecoration = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_POPUP;

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
    ShowWindow(SW_SHOWMAXIMIZED);
    MDIActivate();
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
        if (strOld != pDoc->GetTitle())
            SetWindowText(pDoc->GetTitle());
    }
}

void CMDIChildWnd::OnDestroy()
{
    if (m_pMDIFrame && IsWindow(m_pMDIFrame))
        m_pMDIFrame->OnChildDestroyed(this);
    CFrameWnd::OnDestroy();
}
