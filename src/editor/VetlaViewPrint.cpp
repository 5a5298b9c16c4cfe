// Printing the diagram: the Print Setup dialog, the picture of the whole base at zoom 1, its
// pages through the window layer's print loop and preview, and the Page Layout command.
//
// Nothing of the view or the diagram changes until a job has been printed or previewed: a
// cancelled dialog or a failing printer leaves the zoom, the scroll position and the selection
// as they were. The picture is drawn at zoom 1 on a context of its own that counts as a
// printer's, so selected objects come out unselected without touching the selection.
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "editor/PageLayoutFit.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintInfo.h"

#include <utility>

namespace {

constexpr UINT IDS_NO_PRINTER = 950;

BOOL CheckPrinterInstalled()
{
    if (AfxIsPrinterInstalled())
        return TRUE;
    AfxMessageBox(IDS_NO_PRINTER, MB_ICONINFORMATION);
    return FALSE;
}

}  // namespace

BOOL CVetlaView::AskPrintSetup()
{
    CPrintSetupDlg dlg(m_hWnd ? this : nullptr);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    m_capBitmap.KeepSetup(dlg);
    return TRUE;
}

BOOL CVetlaView::CaptureDiagram()
{
    if (!m_pDocument)
        return FALSE;
    const CRect& rcBase = m_pDocument->m_rcExtent;
    const CSize sizeBase(rcBase.right, rcBase.bottom);
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&memDC, sizeBase.cx, sizeBase.cy)) {
        m_capBitmap.Capture(nullptr, CRect());
        return FALSE;
    }
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, sizeBase.cx, sizeBase.cy, RGB(255, 255, 255));
    // Drawn as for a printer: no selection marks, no edit in progress, every block drawn.
    memDC.m_bPrinting = TRUE;
    if (m_pDocument->IsLadder() && !m_pDocument->m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(m_pDocument->m_powerBusList.GetHead())->Draw(nullptr, &memDC, FALSE, RGB(0, 0, 0));
    CBlockObj* pCurBlock = std::exchange(m_pCurBlock, nullptr);
    DrawDiagram(&memDC, FALSE);
    m_pCurBlock = pCurBlock;
    memDC.m_bPrinting = FALSE;
    const BOOL bCaptured = m_capBitmap.Capture(&memDC, CRect(CPoint(0, 0), sizeBase));
    memDC.SelectObject(pOld);
    return bCaptured;
}

// What a printed or previewed job leaves: the view at zoom 1 showing the diagram as it was
// printed, nothing selected.
void CVetlaView::ShowAsPrinted()
{
    m_selection.Clear(SELECTION_ALL);
    if (GetZoom() != 1.0f)
        ZoomTo(1.0f);
    InvalidateAll();
}

void CVetlaView::OnPrintPreviewCommand()
{
    if (!AskPrintSetup())
        return;
    if (!CaptureDiagram()) {
        AfxMessageBox(_T("The diagram is too large to be printed."), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Printing from the preview does not ask again; once the preview is closed, Print asks.
    m_bAskPrintSetup = 0;
    const BOOL bShown = DoFilePrintPreview();
    m_bAskPrintSetup = 1;
    if (bShown)
        ShowAsPrinted();
}

void CVetlaView::OnPrintCommand()
{
    if (!CheckPrinterInstalled())
        return;
    if (m_bAskPrintSetup == 0)
        m_bAskPrintSetup = 1;
    else if (!AskPrintSetup())
        return;
    if (!CaptureDiagram()) {
        AfxMessageBox(_T("The diagram is too large to be printed."), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (DoFilePrint())
        ShowAsPrinted();
}

// A print without dialogs (from the command line) still prints the diagram as it stands, not a
// picture from some earlier print or none at all.
void CVetlaView::OnPrintDirectCommand()
{
    if (!CaptureDiagram())
        return;
    if (DoFilePrint())
        ShowAsPrinted();
}

BOOL CVetlaView::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (!pInfo->m_bPreview && !CheckPrinterInstalled())
        return FALSE;
    if (m_pDocument)
        pInfo->SetMaxPage(UINT(m_pDocument->m_nPagesAcross * m_pDocument->m_nPagesDown));
    return DoPreparePrinting(pInfo);
}

void CVetlaView::OnBeginPrinting(CDC*, CPrintInfo* pInfo)
{
    if (!m_pDocument)
        return;
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(UINT(m_pDocument->m_nPagesAcross * m_pDocument->m_nPagesDown));
    m_capBitmap.m_nPagesAcross = m_pDocument->m_nPagesAcross;
    m_capBitmap.m_nPagesDown = m_pDocument->m_nPagesDown;
}

void CVetlaView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    // The tile covers the printable area in device pixels, whatever mapping the loop left.
    const int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
    m_capBitmap.PrintPage(pDC, CRect(0, 0, m_capBitmap.m_nCapWidth, m_capBitmap.m_nCapHeight), pInfo);
    pDC->RestoreDC(nSaved);
}

void CVetlaView::OnPageLayout()
{
    if (!m_pDocument)
        return;
    CPageLayoutDlg dlg(m_hWnd ? this : nullptr);
    dlg.m_nPagesAcross = m_pDocument->m_nPagesAcross;
    dlg.m_nPagesDown = m_pDocument->m_nPagesDown;
    dlg.m_checkFit = [this](int nAcross, int nDown) { return CheckPageLayoutFit(*m_pDocument, nAcross, nDown); };
    if (dlg.DoModal() == IDOK)
        SetPageLayout(dlg.m_nPagesAcross, dlg.m_nPagesDown);
}
