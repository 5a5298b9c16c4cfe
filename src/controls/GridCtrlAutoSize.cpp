// Sizing columns and rows to their cells' contents, and spreading the client area's spare room
// over them.
#include "controls/GridCtrl.h"

#include "platform/gdi/DC.h"

namespace {

// Shares out nSpare over the sizes of the shown entries from nFirst on: equal parts, the rest
// a pixel each from the first. Nothing when there is no room to spare.
bool Spread(std::vector<UINT>& sizes, int nFirst, int nSpare)
{
    int nShown = 0;
    for (size_t i = size_t(nFirst); i < sizes.size(); ++i)
        nShown += sizes[i] > 0 ? 1 : 0;
    if (nShown == 0 || nSpare <= 0)
        return false;
    int nRest = nSpare % nShown;
    for (size_t i = size_t(nFirst); i < sizes.size(); ++i) {
        if (sizes[i] == 0)
            continue;
        sizes[i] += UINT(nSpare / nShown + (nRest > 0 ? 1 : 0));
        --nRest;
    }
    return true;
}

}  // namespace

BOOL CGridCtrl::AutoSizeColumn(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    int nWidth = 0;
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
        if (const CGridCellBase* pCell = GetCell(nRow, nCol))
            nWidth = std::max(nWidth, int(pCell->GetCellExtent(&dc).cx));
    return SetColumnWidth(nCol, nWidth);
}

BOOL CGridCtrl::AutoSizeRow(int nRow)
{
    if (nRow < 0 || nRow >= GetRowCount())
        return FALSE;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    int nHeight = 0;
    for (int nCol = 0; nCol < GetColumnCount(); ++nCol)
        if (const CGridCellBase* pCell = GetCell(nRow, nCol))
            nHeight = std::max(nHeight, int(pCell->GetCellExtent(&dc).cy));
    return SetRowHeight(nRow, nHeight);
}

void CGridCtrl::AutoSizeColumns()
{
    for (int nCol = 0; nCol < GetColumnCount(); ++nCol)
        AutoSizeColumn(nCol);
    ResetScrollBars();
}

void CGridCtrl::AutoSizeRows()
{
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
        AutoSizeRow(nRow);
    ResetScrollBars();
}

void CGridCtrl::AutoSize()
{
    AutoSizeColumns();
    AutoSizeRows();
    Refresh();
}

void CGridCtrl::ExpandColumnsToFit()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    if (Spread(m_colWidths, m_nFixedCols, int(client.Width()) - GetVirtualWidth())) {
        ResetScrollBars();
        Refresh();
    }
}

void CGridCtrl::ExpandRowsToFit()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    if (Spread(m_rowHeights, m_nFixedRows, int(client.Height()) - GetVirtualHeight())) {
        ResetScrollBars();
        Refresh();
    }
}

void CGridCtrl::ExpandToFit()
{
    ExpandColumnsToFit();
    ExpandRowsToFit();
}
