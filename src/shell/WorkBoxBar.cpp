#include "shell/WorkBoxBar.h"

#include "editor/PaletteHost.h"
#include "editor/WorkspaceView.h"
#include "platform/ui/WinThread.h"

IMPLEMENT_DYNAMIC(CWorkBoxBar, CCJTabCtrlBar)

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
    // Each page knows what it drew last: one painted in passing (while a new document's frame
    // had no view yet, say) is caught as well as one drawn before the change.
    for (int i = 0; i < GetViewCount(); ++i) {
        CView* pView = GetView(i);
        if (pView->IsKindOf(RUNTIME_CLASS(CWorkspaceView)) && !static_cast<CWorkspaceView*>(pView)->ShowsCurrentItems())
            pView->Invalidate(FALSE);
    }
}
