// CGridCellBase: a cell on the printed page of its grid.
#include "controls/GridCell.h"

#include "controls/BarColors.h"
#include "controls/GridCtrl.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"

BOOL CGridCellBase::PrintCell(CDC* pDC, int /*nRow*/, int /*nCol*/, CRect rect)
{
    const CGridCtrl* pGrid = GetGrid();
    const CGridDefaultCell* pDefault = GetDefaultCell();
    if (!pGrid || !pDC || !pDefault || rect.Width() <= 0 || rect.Height() <= 0)
        return FALSE;
    const int nSaved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    COLORREF crText = RGB(0, 0, 0);
    if (pGrid->GetShadedPrintOut()) {
        crText = GetTextClr();
        // The paper is the grid's background: only a colour of the cell's own (or a fixed
        // cell's) is filled in.
        if (IsFixed() || GetBackClr() != pDefault->GetBackClr())
            pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1), GetBackClr());
    }
    pDC->SetTextColor(crText);
    if (IsFixed() && pGrid->GetGridLines() != GVL_NONE) {
        pDC->Draw3dRect(rect, kColorBtnHighlight, kColorBtnShadow);
        rect.DeflateRect(1, 1);
    }
    // A wide cell's text takes the room of both its cells, as on the screen.
    if (IsWideFirst())
        rect.right = 2 * rect.right - rect.left;
    rect.DeflateRect(int(GetMargin()), 0);
    CFont font;
    font.CreateFontIndirect(GetFont());
    pDC->SelectObject(&font);
    const CString strText = GetText();
    if (!strText.IsEmpty())
        pDC->DrawText(strText, &rect, GetFormat() | DT_NOPREFIX);
    pDC->RestoreDC(nSaved);
    return TRUE;
}
