// The Message Text Setting command of the main frame, and the Edit menu of a focused LCD grid.
#include "shell/MainFrame.h"

#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "controls/GridCtrl.h"
#include "messagetext/MsgTextSettingDlg.h"
#include "platform/core/CmdTarget.h"
#include "platform/ui/FrameIds.h"

void CMainFrame::OnUpdateMsgTextSettings(CCmdUI* pCmdUI)
{
    // The character sets and ticker times exist from the 75X series on, and a running
    // simulation reads them: offered only for a newer controller and while editing.
    const CVetlaView* pView = GetActiveView();
    pCmdUI->Enable(pView && pView->GetDocument() && g_wHardwareCode >= 0x5188 &&
                   pView->EditMode() != EDIT_MODE_SIMULATE);
}

void CMainFrame::OnMsgTextSettings()
{
    CVetlaView* pView = GetActiveView();
    CVetlaDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    if (!pDoc)
        return;
    CMsgTextSettingDlg dlg(pDoc, this);
    dlg.CopyFromDocument(*pDoc);
    if (dlg.DoModal() != IDOK)
        return;
    // A changed set has emptied cells too: the snapshot marks the diagram modified, so that
    // closing does not lose either silently, and Undo takes both back at once.
    if (dlg.CopyToDocument(*pDoc))
        pDoc->m_undo.SaveState(pDoc);
    pView->InvalidateAll();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID == ID_EDIT_COPY || nID == ID_EDIT_CUT || nID == ID_EDIT_PASTE || nID == ID_EDIT_SELECT_ALL) {
        CWnd* pFocus = CWnd::GetFocus();
        if (pFocus && pFocus->IsKindOf(RUNTIME_CLASS(CGridCtrl)) && pFocus->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
