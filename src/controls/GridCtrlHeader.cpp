// Presses on the header cells (sorting, whole rows and columns) and the row order.
#include "controls/GridCtrl.h"

#include <algorithm>

void CGridCtrl::OnFixedRowClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    if (m_bSortOnClick) {
        const BOOL bAscending = cell.col == m_nSortColumn ? !m_bAscending : TRUE;
        SortTextItems(cell.col, bAscending);
        Invalidate();
    }
    if (m_bFixedColumnSelection) {
        m_MouseMode = cell.col >= m_nFixedCols ? MOUSE_SELECT_COL : MOUSE_SELECT_ALL;
        OnSelecting(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell)
{
    if (!IsValid(cell) || !m_bFixedRowSelection)
        return;
    m_MouseMode = cell.row < m_nFixedRows ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    OnSelecting(cell);
}

BOOL CGridCtrl::SortTextItems(int nCol, BOOL bAscending)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    ResetSelectedRange();
    m_nSortColumn = nCol;
    m_bAscending = bAscending;
    struct Row {
        std::vector<std::unique_ptr<CGridCellBase>> cells;
        UINT nHeight;
    };
    std::vector<Row> rows;
    for (int r = m_nFixedRows; r < GetRowCount(); ++r)
        rows.push_back({std::move(m_rows[size_t(r)]), m_rowHeights[size_t(r)]});
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        const int nCmp = a.cells[size_t(nCol)]->GetText().Compare(b.cells[size_t(nCol)]->GetText());
        return bAscending ? nCmp < 0 : nCmp > 0;
    });
    for (int r = m_nFixedRows; r < GetRowCount(); ++r) {
        m_rows[size_t(r)] = std::move(rows[size_t(r - m_nFixedRows)].cells);
        m_rowHeights[size_t(r)] = rows[size_t(r - m_nFixedRows)].nHeight;
    }
    return TRUE;
}

void CGridCtrl::ResetRowOrder()
{
    m_arRowOrder.resize(size_t(GetRowCount()));
    for (size_t i = 0; i < m_arRowOrder.size(); ++i)
        m_arRowOrder[i] = int(i);
}

void CGridCtrl::Reorder(int nFrom, int nTo)
{
    const int nCount = int(m_arRowOrder.size());
    if (nFrom < 0 || nFrom >= nCount || nTo < 0 || nTo >= nCount || nFrom == nTo)
        return;
    const int nValue = m_arRowOrder[size_t(nFrom)];
    m_arRowOrder.erase(m_arRowOrder.begin() + nFrom);
    // The moved row lands just after row nTo.
    const int nAt = nFrom >= nTo ? nTo + 1 : nTo;
    m_arRowOrder.insert(m_arRowOrder.begin() + nAt, nValue);
}
