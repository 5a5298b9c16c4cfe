// Presses on the header cells (sorting, whole rows and columns) and the row order.
#include "controls/GridCtrl.h"

#include "platform/ui/WaitCursor.h"

#include <algorithm>

void CGridCtrl::OnFixedRowClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    if (m_bSortOnClick) {
        // Sorting a long table takes a while.
        CWaitCursor wait;
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

namespace {

// The text's leading decimal integer, as a C library reads one (0 when there is none).
long long LeadingInteger(const CString& str)
{
    int i = 0;
    while (i < str.GetLength() && (str[i] == ' ' || str[i] == '\t'))
        ++i;
    const bool bNegative = i < str.GetLength() && str[i] == '-';
    if (i < str.GetLength() && (str[i] == '-' || str[i] == '+'))
        ++i;
    long long nValue = 0;
    for (; i < str.GetLength() && str[i] >= '0' && str[i] <= '9' && nValue < (1LL << 60); ++i)
        nValue = nValue * 10 + (str[i] - '0');
    return bNegative ? -nValue : nValue;
}

}  // namespace

int CGridCtrl::CompareCellsText(const CGridCellBase* pCell1, const CGridCellBase* pCell2, LPARAM)
{
    return pCell1->GetText().Compare(pCell2->GetText());
}

int CGridCtrl::CompareCellsNumeric(const CGridCellBase* pCell1, const CGridCellBase* pCell2, LPARAM)
{
    const long long n1 = LeadingInteger(pCell1->GetText());
    const long long n2 = LeadingInteger(pCell2->GetText());
    return n1 < n2 ? -1 : (n1 > n2 ? 1 : 0);
}

int CGridCtrl::CompareCellsDescending(const CGridCellBase* pCell1, const CGridCellBase* pCell2, LPARAM lParam)
{
    const CGridCtrl* pGrid = pCell1->GetGrid();
    const PFNGRIDCOMPARE pfn = pGrid && pGrid->m_pfnCompare ? pGrid->m_pfnCompare : CompareCellsText;
    return pfn(pCell2, pCell1, lParam);
}

BOOL CGridCtrl::SortTextItems(int nCol, BOOL bAscending, LPARAM lParam)
{
    return SortItems(CompareCellsText, nCol, bAscending, lParam);
}

BOOL CGridCtrl::SortItems(int nCol, BOOL bAscending, LPARAM lParam)
{
    return SortItems(m_pfnCompare ? m_pfnCompare : CompareCellsText, nCol, bAscending, lParam);
}

BOOL CGridCtrl::SortItems(PFNGRIDCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM lParam)
{
    if (!pfnCompare || nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    ResetSelectedRange();
    m_nSortColumn = nCol;
    m_bAscending = bAscending;
    auto before = [&](const CGridCellBase* p1, const CGridCellBase* p2) {
        if (!p1 || !p2)
            return false;
        const int nCmp = pfnCompare(p1, p2, lParam);
        return bAscending ? nCmp < 0 : nCmp > 0;
    };
    if (m_bVirtualMode) {
        // Two cells of its own: the shared one holds only one text at a time.
        CGridCell cell1;
        CGridCell cell2;
        const auto first = m_arRowOrder.begin() + std::min<std::ptrdiff_t>(m_nFixedRows, std::ssize(m_arRowOrder));
        std::stable_sort(first, m_arRowOrder.end(), [&](int nRow1, int nRow2) {
            FillVirtualCell(cell1, nRow1, nCol, nRow1);
            FillVirtualCell(cell2, nRow2, nCol, nRow2);
            return before(&cell1, &cell2);
        });
        return TRUE;
    }
    struct Row {
        std::vector<std::unique_ptr<CGridCellBase>> cells;
        UINT nHeight;
    };
    std::vector<Row> rows;
    for (int r = m_nFixedRows; r < GetRowCount(); ++r)
        rows.push_back({std::move(m_rows[size_t(r)]), m_rowHeights[size_t(r)]});
    const size_t nStoredCol = size_t(m_arColOrder[size_t(nCol)]);
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        return before(a.cells[nStoredCol].get(), b.cells[nStoredCol].get());
    });
    for (int r = m_nFixedRows; r < GetRowCount(); ++r) {
        m_rows[size_t(r)] = std::move(rows[size_t(r - m_nFixedRows)].cells);
        m_rowHeights[size_t(r)] = rows[size_t(r - m_nFixedRows)].nHeight;
    }
    return TRUE;
}

void CGridCtrl::SetSortColumn(int nCol)
{
    const int nOld = m_nSortColumn;
    m_nSortColumn = nCol;
    if (m_nFixedRows > 0) {
        InvalidateCellRect(0, nOld);
        InvalidateCellRect(0, nCol);
    }
}

void CGridCtrl::ResetColumnOrder()
{
    m_arColOrder.resize(size_t(GetColumnCount()));
    for (size_t i = 0; i < m_arColOrder.size(); ++i)
        m_arColOrder[i] = int(i);
}

BOOL CGridCtrl::MoveColumn(int nFrom, int nTo)
{
    const int nCount = GetColumnCount();
    if (nFrom < m_nFixedCols || nTo < m_nFixedCols || nFrom >= nCount || nTo >= nCount || nFrom == nTo)
        return FALSE;
    const int nStored = m_arColOrder[size_t(nFrom)];
    m_arColOrder.erase(m_arColOrder.begin() + nFrom);
    m_arColOrder.insert(m_arColOrder.begin() + nTo, nStored);
    Refresh();
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
