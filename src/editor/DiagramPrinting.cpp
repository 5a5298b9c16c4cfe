#include "editor/DiagramPrinting.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintInfo.h"

#include <algorithm>
#include <cstdint>
#include <limits>
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
    m_setup = PrintSetupChoices{dlg.m_bLandscape, dlg.m_nPageSize, dlg.m_nScaleMode, dlg.m_dScale};
    return TRUE;
}

void CDiagramPrinting::AfterJob()
{
    m_view.Selection().Clear(SELECTION_ALL);
    m_view.InvalidateAll();
}

void CDiagramPrinting::Preview()
{
    if (!AskSetup())
        return;
    // Printing from the preview does not ask again; once the preview is closed, Print asks.
    m_bAskSetup = 0;
    const BOOL bShown = m_view.DoFilePrintPreview();
    m_bAskSetup = 1;
    if (bShown)
        AfterJob();
}

void CDiagramPrinting::Print()
{
    if (!CheckPrinterInstalled())
        return;
    if (m_bAskSetup == 0)
        m_bAskSetup = 1;
    else if (!AskSetup())
        return;
    if (m_view.DoFilePrint())
        AfterJob();
}

void CDiagramPrinting::PrintDirect()
{
    if (m_view.DoFilePrint())
        AfterJob();
}

void CDiagramPrinting::BeginPrinting(CPrintInfo* pInfo)
{
    const CVetlaDoc* pDoc = m_view.GetDocument();
    if (!pDoc)
        return;
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(PageCount(pDoc->m_nPagesAcross, pDoc->m_nPagesDown));
    m_nPagesAcross = pDoc->m_nPagesAcross;
    m_nPagesDown = pDoc->m_nPagesDown;
}

UINT CDiagramPrinting::PageCount(int nAcross, int nDown)
{
    const std::int64_t nPages = std::int64_t(std::max(1, nAcross)) * std::max(1, nDown);
    return UINT(std::min<std::int64_t>(nPages, std::numeric_limits<UINT>::max()));
}

CRect CDiagramPrinting::TileRect(CSize sizeBase, int nAcross, int nDown, UINT nPage)
{
    nAcross = std::max(1, nAcross);
    nDown = std::max(1, nDown);
    const int nTileWidth = sizeBase.cx / nAcross;
    const int nTileHeight = sizeBase.cy / nDown;
    // In 64 bits: the page count of a layout need not fit an int.
    const std::int64_t nLast = std::int64_t(nAcross) * nDown - 1;
    const std::int64_t nIndex = std::clamp<std::int64_t>(std::int64_t(nPage) - 1, 0, nLast);
    const int x = int(nIndex % nAcross) * nTileWidth;
    const int y = int(nIndex / nAcross) * nTileHeight;
    return CRect(x, y, x + nTileWidth, y + nTileHeight);
}

CRect CDiagramPrinting::FitTile(CSize sizeTile, CSize sizeArea)
{
    if (sizeTile.cx <= 0 || sizeTile.cy <= 0 || sizeArea.cx <= 0 || sizeArea.cy <= 0)
        return CRect();
    // The limiting side fills the area; the other keeps the tile's proportion.
    CSize size(sizeArea.cx, int(std::int64_t(sizeArea.cx) * sizeTile.cy / sizeTile.cx));
    if (size.cy > sizeArea.cy)
        size = CSize(int(std::int64_t(sizeArea.cy) * sizeTile.cx / sizeTile.cy), sizeArea.cy);
    const CPoint ptTopLeft((sizeArea.cx - size.cx) / 2, (sizeArea.cy - size.cy) / 2);
    return CRect(ptTopLeft, size);
}

// The tile is drawn as the view draws it, through a mapping from the base onto the page, so
// lines and text come out at the printer's resolution. The context counts as a printer's, so
// selected objects come out unselected without touching the selection.
void CDiagramPrinting::PrintPage(CDC* pDC, const CPrintInfo* pInfo)
{
    CVetlaDoc* pDoc = m_view.GetDocument();
    if (!pDC || !pInfo || !pDoc)
        return;
    const CRect& rcBase = pDoc->m_rcExtent;
    const CRect rcTile = TileRect(CSize(rcBase.right, rcBase.bottom), m_nPagesAcross, m_nPagesDown, pInfo->m_nCurPage);
    const CRect rcOnPage = FitTile(rcTile.Size(), CSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
    if (rcOnPage.IsRectEmpty())
        return;
    const int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowOrg(rcTile.TopLeft());
    pDC->SetWindowExt(rcTile.Size());
    pDC->SetViewportOrg(rcOnPage.TopLeft());
    pDC->SetViewportExt(rcOnPage.Size());
    pDC->IntersectClipRect(rcTile);
    if (pDoc->IsLadder() && !pDoc->m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(pDoc->m_powerBusList.GetHead())->Draw(nullptr, pDC, FALSE, RGB(0, 0, 0));
    // No edit in progress is printed.
    CBlockObj* pCurBlock = std::exchange(m_view.m_pCurBlock, nullptr);
    m_view.DrawDiagram(pDC, FALSE);
    m_view.m_pCurBlock = pCurBlock;
    pDC->RestoreDC(nSaved);
}
