#include "editor/DiagramPrinting.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintInfo.h"

#include <utility>

namespace {

constexpr UINT IDS_NO_PRINTER = 950;

}  // namespace

BOOL CDiagramPrinting::CheckPrinterInstalled()
{
    if (AfxIsPrinterInstalled())
        return TRUE;
    AfxMessageBox(IDS_NO_PRINTER, MB_ICONINFORMATION);
    return FALSE;
}

BOOL CDiagramPrinting::AskSetup()
{
    CPrintSetupDlg dlg(m_view.m_hWnd ? &m_view : nullptr);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    m_picture.KeepSetup(dlg);
    return TRUE;
}

// The picture is drawn on a context of its own that counts as a printer's, so selected objects
// come out unselected without touching the selection.
BOOL CDiagramPrinting::CaptureDiagram()
{
    CVetlaDoc* pDoc = m_view.GetDocument();
    if (!pDoc)
        return FALSE;
    const CRect& rcBase = pDoc->m_rcExtent;
    const CSize sizeBase(rcBase.right, rcBase.bottom);
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&memDC, sizeBase.cx, sizeBase.cy)) {
        m_picture.Capture(nullptr, CRect());
        return FALSE;
    }
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, sizeBase.cx, sizeBase.cy, RGB(255, 255, 255));
    // Drawn as for a printer: no selection marks, no edit in progress, every block drawn.
    memDC.m_bPrinting = TRUE;
    if (pDoc->IsLadder() && !pDoc->m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(pDoc->m_powerBusList.GetHead())->Draw(nullptr, &memDC, FALSE, RGB(0, 0, 0));
    CBlockObj* pCurBlock = std::exchange(m_view.m_pCurBlock, nullptr);
    m_view.DrawDiagram(&memDC, FALSE);
    m_view.m_pCurBlock = pCurBlock;
    memDC.m_bPrinting = FALSE;
    const BOOL bCaptured = m_picture.Capture(&memDC, CRect(CPoint(0, 0), sizeBase));
    memDC.SelectObject(pOld);
    return bCaptured;
}

BOOL CDiagramPrinting::CaptureOrTell()
{
    if (CaptureDiagram())
        return TRUE;
    AfxMessageBox(_T("The diagram is too large to be printed."), MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void CDiagramPrinting::ShowAsPrinted()
{
    m_view.Selection().Clear(SELECTION_ALL);
    if (m_view.GetZoom() != 1.0f)
        m_view.ZoomTo(1.0f);
    m_view.InvalidateAll();
}

void CDiagramPrinting::Preview()
{
    if (!AskSetup() || !CaptureOrTell())
        return;
    // Printing from the preview does not ask again; once the preview is closed, Print asks.
    m_bAskSetup = 0;
    const BOOL bShown = m_view.DoFilePrintPreview();
    m_bAskSetup = 1;
    if (bShown)
        ShowAsPrinted();
}

void CDiagramPrinting::Print()
{
    if (!CheckPrinterInstalled())
        return;
    if (m_bAskSetup == 0)
        m_bAskSetup = 1;
    else if (!AskSetup())
        return;
    if (CaptureOrTell() && m_view.DoFilePrint())
        ShowAsPrinted();
}

void CDiagramPrinting::PrintDirect()
{
    if (CaptureDiagram() && m_view.DoFilePrint())
        ShowAsPrinted();
}

void CDiagramPrinting::BeginPrinting(CPrintInfo* pInfo)
{
    const CVetlaDoc* pDoc = m_view.GetDocument();
    if (!pDoc)
        return;
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(UINT(pDoc->m_nPagesAcross * pDoc->m_nPagesDown));
    m_picture.m_nPagesAcross = pDoc->m_nPagesAcross;
    m_picture.m_nPagesDown = pDoc->m_nPagesDown;
}

void CDiagramPrinting::PrintPage(CDC* pDC, const CPrintInfo* pInfo)
{
    // The tile covers the printable area in device pixels, whatever mapping the loop left.
    const int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
    m_picture.PrintPage(pDC, CRect(0, 0, m_picture.m_nCapWidth, m_picture.m_nCapHeight), pInfo);
    pDC->RestoreDC(nSaved);
}
