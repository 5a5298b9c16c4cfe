// The Message Text Setting command of the main frame.
#include "shell/MainFrame.h"

#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "messagetext/MsgTextSettingDlg.h"
#include "platform/core/CmdTarget.h"

void CMainFrame::OnUpdateMsgTextSettings(CCmdUI* pCmdUI)
{
    // The character sets and ticker times exist from the 75X series on, and a running
    // simulation reads them: offered only for a newer controller and while editing.
    const CVetlaView* pView = GetActiveView();
    pCmdUI->Enable(pView && pView->GetDocument() && g_wHardwareCode >= 0x5188 &&
                   pView->m_nEditMode != EDIT_MODE_SIMULATE);
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
    // A changed set has emptied cells too; closing must not lose either silently.
    if (dlg.CopyToDocument(*pDoc))
        pDoc->SetModifiedFlag(TRUE);
    pView->InvalidateAll();
}
