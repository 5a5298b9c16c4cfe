// Painting: backgrounds, cells, the wide cells' texts on top of their right halves, and grid
// lines that never cross a wide cell.
#include "controls/GridCtrl.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/PaintDC.h"

void CGridCtrl::OnPaint()
{
    // The window layer paints into its own back buffer, so the grid draws straight into the
    // paint context without a memory context of its own.
    CPaintDC dc(this);
    DrawGrid(&dc);
}

BOOL CGridCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CGridCtrl::RedrawCell(int nRow, int nCol, CDC*)
{
    const int nLastCol = WidePairs::IsFirst(*this, nRow, nCol) ? nCol + 1 : nCol;
    InvalidateCellRect(CCellRange(nRow, nCol, nRow, nLastCol));
}

void CGridCtrl::DrawGrid(CDC* pDC)
{
    CRect clip;
    if (!pDC || pDC->GetClipBox(&clip) == ERROR)
        return;
    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    else
        client = clip;
    CRect visRect;
    const CCellRange visible = GetVisibleNonFixedCellRange(&visRect);
    const int nFixedWidth = GetFixedColumnWidth();
    const int nFixedHeight = GetFixedRowHeight();

    pDC->FillSolidRect(CRect(0, 0, nFixedWidth, nFixedHeight), m_cellFixedRowColDef->GetBackClr());
    pDC->FillSolidRect(CRect(0, nFixedHeight, nFixedWidth, visRect.bottom), m_cellFixedColDef->GetBackClr());
    pDC->FillSolidRect(CRect(nFixedWidth, 0, visRect.right, nFixedHeight), m_cellFixedRowDef->GetBackClr());
    pDC->FillSolidRect(CRect(nFixedWidth, nFixedHeight, visRect.right, visRect.bottom), m_cellDefault->GetBackClr());
    pDC->FillSolidRect(CRect(visRect.right, 0, std::max(client.right, visRect.right), client.bottom), m_crGridBkColour);
    pDC->FillSolidRect(CRect(0, visRect.bottom, visRect.right, std::max(client.bottom, visRect.bottom)), m_crGridBkColour);

    auto drawCell = [&](int r, int c) {
        CRect rect;
        CGridCellBase* pCell = GetCell(r, c);
        if (pCell && GetRowHeight(r) > 0 && GetColumnWidth(c) > 0 && GetCellRect(r, c, &rect))
            pCell->Draw(pDC, r, c, rect, FALSE);
    };
    for (int r = 0; r < m_nFixedRows; ++r)
        for (int c = 0; c < m_nFixedCols; ++c)
            drawCell(r, c);
    for (int r = 0; r < m_nFixedRows; ++r)
        for (int c = visible.nMinCol; c <= visible.nMaxCol; ++c)
            drawCell(r, c);
    for (int r = visible.nMinRow; r <= visible.nMaxRow; ++r)
        for (int c = 0; c < m_nFixedCols; ++c)
            drawCell(r, c);
    for (int r = visible.nMinRow; r <= visible.nMaxRow; ++r)
        for (int c = visible.nMinCol; c <= visible.nMaxCol; ++c)
            drawCell(r, c);
    // A wide cell's text reaches over its right half, whose background came after it.
    for (int r = visible.nMinRow; r <= visible.nMaxRow; ++r)
        for (int c = visible.nMinCol; c <= visible.nMaxCol; ++c)
            if (WidePairs::IsFirst(*this, r, c))
                drawCell(r, c);

    DrawGridLines(pDC, visible, visRect);
    DrawTrackingLine(pDC);
}

void CGridCtrl::DrawTrackingLine(CDC* pDC) const
{
    if (m_MouseMode != MOUSE_SIZING_COL && m_MouseMode != MOUSE_SIZING_ROW)
        return;
    CRect client;
    GetClientRect(&client);
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int nOldRop = pDC->SetROP2(R2_NOT);
    if (m_MouseMode == MOUSE_SIZING_COL) {
        pDC->MoveTo(m_ptTracking.x, 0);
        pDC->LineTo(m_ptTracking.x, client.bottom);
    } else {
        pDC->MoveTo(0, m_ptTracking.y);
        pDC->LineTo(client.right, m_ptTracking.y);
    }
    pDC->SetROP2(nOldRop);
    pDC->SelectObject(pOldPen);
}

void CGridCtrl::InvalidateTrackingLine()
{
    CRect client;
    GetClientRect(&client);
    const CRect line = m_MouseMode == MOUSE_SIZING_COL
                           ? CRect(m_ptTracking.x, 0, m_ptTracking.x + 1, client.bottom)
                           : CRect(0, m_ptTracking.y, client.right, m_ptTracking.y + 1);
    InvalidateRect(&line, FALSE);
}

void CGridCtrl::DrawGridLines(CDC* pDC, const CCellRange& visible, const CRect& visRect)
{
    if (!visible.IsValid())
        return;
    CPen pen(PS_SOLID, 0, m_crGridLineColour);
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        // Cell by cell, so that no line runs between the two halves of a wide cell.
        int y = m_nFixedRows > 0 ? GetFixedRowHeight() : 1;
        for (int r = visible.nMinRow; r <= visible.nMaxRow; ++r) {
            const int nHeight = GetRowHeight(r);
            if (nHeight <= 0)
                continue;
            int x = GetFixedColumnWidth();
            for (int c = visible.nMinCol; c <= visible.nMaxCol; ++c) {
                const int nWidth = GetColumnWidth(c);
                if (nWidth <= 0)
                    continue;
                x += nWidth;
                if (!WidePairs::IsFirst(*this, r, c)) {
                    pDC->MoveTo(x - 1, y - 1);
                    pDC->LineTo(x - 1, y + nHeight - 1);
                }
            }
            y += nHeight;
        }
    }
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        int y = GetFixedRowHeight();
        for (int r = visible.nMinRow; r <= visible.nMaxRow; ++r) {
            const int nHeight = GetRowHeight(r);
            if (nHeight <= 0)
                continue;
            y += nHeight;
            pDC->MoveTo(GetFixedColumnWidth(), y - 1);
            pDC->LineTo(visRect.right, y - 1);
        }
    }
    pDC->SelectObject(pOldPen);
}

LOGFONT CGridCtrl::WideCellFont(CDC&, const CString&, int, const LOGFONT&) const
{
    LOGFONT lf{};
    lf.lfHeight = 20;
    lf.lfWidth = 16;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfPitchAndFamily = FIXED_PITCH;
    const char16_t szFace[] = u"Arial";
    std::copy(std::begin(szFace), std::end(szFace), lf.lfFaceName);
    return lf;
}
