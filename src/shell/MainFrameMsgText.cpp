// The Message Text Setting command of the main frame.
#include "shell/MainFrame.h"

#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "messagetext/MsgTextSettingDlg.h"
#include "platform/core/CmdTarget.h"

void CMainFrame::OnUpdateMsgTextSettings(CCmdUI* pCmdUI)
{
    const CVetlaView* pView = GetActiveView();
    pCmdUI->Enable(pView && pView->GetDocument());
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
