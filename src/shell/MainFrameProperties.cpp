// The File > Properties command of the main frame: the program settings of the active diagram
// in their sheet.
#include "shell/MainFrame.h"

#include "blocks/BlockObj.h"
#include "document/ProgramSettings.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "pages/program/PropertiesPropSh.h"
#include "platform/core/CmdTarget.h"
#include "shell/VetlaApp.h"

namespace {

int FirstPageFor(int nStartPage)
{
    switch (nStartPage) {
    case 1:
        return CPropertiesPropSh::PAGE_HARDWARE;
    case 2:
        return CPropertiesPropSh::PAGE_PARAMETER;
    default:
        return CPropertiesPropSh::PAGE_GENERAL;
    }
}

}  // namespace

void CMainFrame::OnUpdateFileProperties(CCmdUI* pCmdUI)
{
    const CVetlaView* pView = GetActiveView();
    pCmdUI->Enable(pView && pView->GetDocument());
}

void CMainFrame::OnFileProperties()
{
    CVetlaView* pView = GetActiveView();
    CVetlaDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    // The click that asked for a start page is answered once, whatever happens now.
    const int nFirstPage = FirstPageFor(m_nPropertiesStartPage);
    m_nPropertiesStartPage = 0;
    if (!pDoc)
        return;
    CPropertiesPropSh sheet(_T("Properties"), nullptr, UINT(nFirstPage));
    sheet.CopyFromDocument(*pDoc);
    if (sheet.DoModal() != IDOK)
        return;
    const ProgramSettings settings = sheet.GetSettings();
    g_bShowAtNewFile = settings.bShowAtNewFile;
    const WORD wOldCode = pDoc->m_wHardwareCode;
    // The blocks adapt to another line and the view edits again: a run under the old line ends
    // first, as leaving it does, its timer and bars with it.
    if (sheet.GetHardwareCode() != wOldCode && pView->Simulation().IsRunning())
        pView->OnSimulation();
    if (!WriteProgramSettings(settings, sheet.GetHardwareCode(), *pDoc))
        return;
    if (pDoc->m_wHardwareCode != wOldCode) {
        g_wHardwareCode = pDoc->m_wHardwareCode;
        SetSeriesText(pDoc->m_strHardwareName);
        pView->ResetEditMode();
        if (m_pWorkBox && m_pWorkBox->GetActiveView())
            m_pWorkBox->GetActiveView()->Invalidate();
    }
    pDoc->SetModifiedFlag(TRUE);
    pDoc->m_undo.SaveState(pDoc);
    pView->InvalidateAll();
}
