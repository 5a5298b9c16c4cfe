#include "platform/ui/View.h"

#include "platform/core/Document.h"
#include "platform/gdi/DC.h"
#include "platform/ui/CreateContext.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

namespace {

const DocumentWindowOps kDocumentWindowOps = {
    [](CView* pView, CDocument* pDoc) { pView->m_pDocument = pDoc; },
    [](CView* pView, CView* pSender, LPARAM lHint, CObject* pHint) {
        pView->OnUpdate(pSender, lHint, pHint);
    },
    [](CView* pView) { return pView->GetParentFrame(); },
    [](CFrameWnd* pFrame) { pFrame->DestroyWindow(); },
    [](CDocTemplate* pTemplate, UINT nID, int nCode, void* pExtra,
       AFX_CMDHANDLERINFO* pHandlerInfo) {
        return pTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    },
    [](CDocTemplate* pTemplate, CDocument* pDoc) { pTemplate->RemoveDocument(pDoc); },
    [](LPCTSTR lpszPathName) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(lpszPathName);
    },
};

}  // namespace

void AfxInstallDocumentWindowOps() { AfxSetDocumentWindowOps(&kDocumentWindowOps); }

CView::CView() { AfxInstallDocumentWindowOps(); }

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const
{
    for (CWnd* pWnd = GetParent(); pWnd; pWnd = pWnd->GetParent()) {
        if (pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    // Leaving the document may close it (its last view), so that happens after the window is
    // gone, as the object itself goes.
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    if (pSender != this)
        Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this)
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
