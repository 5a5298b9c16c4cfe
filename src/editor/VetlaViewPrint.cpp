// The view's side of printing: the print commands and the window layer's print loop go to its
// printing part (DiagramPrinting.h); the page range and the Page Layout command are the view's.
#include "editor/VetlaView.h"

#include "document/PageLayout.h"
#include "document/VetlaDoc.h"
#include "editor/PageLayoutFit.h"
#include "platform/core/CmdTarget.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintInfo.h"

// A file opens with no more pages than the dialog offers.
static_assert(LAYOUT_PAGES_MAX == PAGE_LAYOUT_MAX_PAGES);

void CVetlaView::OnPrintPreviewCommand() { m_printing.Preview(); }

void CVetlaView::OnPrintCommand() { m_printing.Print(); }

void CVetlaView::OnPrintDirectCommand() { m_printing.PrintDirect(); }

BOOL CVetlaView::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (!pInfo->m_bPreview && !CDiagramPrinting::CheckPrinterInstalled())
        return FALSE;
    if (m_pDocument)
        pInfo->SetMaxPage(CDiagramPrinting::PageCount(m_pDocument->m_nPagesAcross, m_pDocument->m_nPagesDown));
    return DoPreparePrinting(pInfo);
}

void CVetlaView::OnBeginPrinting(CDC*, CPrintInfo* pInfo) { m_printing.BeginPrinting(pInfo); }

void CVetlaView::OnPrint(CDC* pDC, CPrintInfo* pInfo) { m_printing.PrintPage(pDC, pInfo); }

void CVetlaView::OnUpdatePageLayout(CCmdUI* pCmdUI) { pCmdUI->Enable(IsDocumentEditable()); }

void CVetlaView::OnPageLayout()
{
    if (!m_pDocument)
        return;
    CPageLayoutDlg dlg(m_hWnd ? this : nullptr);
    dlg.m_nPagesAcross = m_pDocument->m_nPagesAcross;
    dlg.m_nPagesDown = m_pDocument->m_nPagesDown;
    dlg.m_checkFit = [this](int nAcross, int nDown) { return CheckPageLayoutFit(*m_pDocument, nAcross, nDown); };
    if (dlg.DoModal() != IDOK)
        return;
    ForgetObjects();
    SetPageLayout(dlg.m_nPagesAcross, dlg.m_nPagesDown);
    // The pages are stored with the diagram: a layout is an undo step like any other edit.
    m_pDocument->m_undo.SaveState(m_pDocument);
}
