#include "shell/WorkBoxBar.h"

#include "editor/PaletteHost.h"
#include "editor/WorkspaceView.h"
#include "platform/ui/WinThread.h"

IMPLEMENT_DYNAMIC(CWorkBoxBar, CCJTabCtrlBar)

namespace {

int KindKey(const CWorkspaceView::DocumentKind& kind) { return (kind.byModel << 1) | (kind.bLadder ? 1 : 0); }

}  // namespace

void CWorkBoxBar::OnTabSelected(int nTab, CView* pView)
{
    if (!pView || !pView->IsKindOf(RUNTIME_CLASS(CWorkspaceView)))
        return;
    auto* pPage = static_cast<CWorkspaceView*>(pView);
    pPage->m_nCategory = nTab;
    pPage->m_nSelectedType = 0;
    pPage->Invalidate(FALSE);
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_PALETTE_SELECT, 0, 0);
}

void CWorkBoxBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CCJTabCtrlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    const int nKind = KindKey(CWorkspaceView::ActiveDocumentKind());
    if (nKind == m_nShownKind)
        return;
    m_nShownKind = nKind;
    for (int i = 0; i < GetViewCount(); ++i)
        GetView(i)->Invalidate(FALSE);
}
