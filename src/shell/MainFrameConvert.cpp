// The main frame's "Convert to FBD": the active ladder diagram converted into a new FBD
// document in a window of its own. The conversion is made and checked before the window opens,
// so that a ladder the program's limits refuse leaves no half-built document behind.
#include "shell/MainFrame.h"

#include "document/LadderConversion.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "shell/DocumentSettings.h"
#include "shell/VetlaApp.h"

void CMainFrame::OnLadConvertToFbd()
{
    CVetlaView* pLadderView = GetActiveView();
    CVetlaDoc* pLadder = pLadderView ? pLadderView->GetDocument() : nullptr;
    if (!pLadder || !pLadder->IsLadder())
        return;
    g_wHardwareCode = pLadder->m_wHardwareCode;
    CLadderConversion conversion(*pLadder);
    if (conversion.IsRefused()) {
        AfxMessageBox(conversion.GetRefusal(), MB_ICONSTOP);
        return;
    }
    CVetlaDoc* pFbd = OpenDocumentWithoutSheet();
    CVetlaView* pView = GetActiveView();
    if (!pFbd || !pView)
        return;
    // The converted diagram stands in for the ladder: its "Show at new file" is the ladder's,
    // and so is the application's from now on.
    CopyDocumentSettings(*pFbd, *pLadder);
    g_bShowAtNewFile = pLadder->m_settings.bShowAtNewFile;
    conversion.PutInto(*pFbd);
    // The view spans the laid-out diagram before the cut, whose connectors look for free spots
    // within it.
    pView->SetScrollSizes(MM_TEXT, CSize(pFbd->m_rcExtent.right, pFbd->m_rcExtent.bottom));
    pView->CutWiresCrossingBlocks();
    // The converted diagram is where the new document's history starts: Undo does not take
    // it back to the empty document File New made.
    pFbd->m_undo.SaveOpenedState(pFbd);
    pView->RebuildMsgTextSlots();
    SetSeriesText(pFbd->m_strHardwareName);
    pView->InvalidateAll();
}

void CMainFrame::OnUpdateLadConvertToFbd(CCmdUI* pCmdUI)
{
    const CVetlaView* pView = GetActiveView();
    pCmdUI->Enable(pView && pView->GetDocument() && pView->GetDocument()->IsLadder());
}
