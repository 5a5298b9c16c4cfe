// The focus cell and the selection. A cell's selected bit is the selection; the previous
// selection is kept while Ctrl adds to it.
#include "controls/GridCtrl.h"

#include "platform/ui/KeyState.h"

CCellID CGridCtrl::SetFocusCell(CCellID cell)
{
    if (cell == m_idCurrentCell)
        return m_idCurrentCell;
    const CCellID prev = m_idCurrentCell;
    if (IsValid(prev)) {
        SetItemState(prev.row, prev.col, GetItemState(prev.row, prev.col) & ~GVIS_FOCUSED);
        RedrawCell(prev.row, prev.col);
    }
    m_idCurrentCell = IsValid(cell) ? cell : CCellID();
    if (IsValid(m_idCurrentCell)) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_FOCUSED);
        RedrawCell(cell.row, cell.col);
    }
    if (m_bTrackFocusCell)
        Refresh();
    return prev;
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    CCellRange range(GetRowCount(), GetColumnCount(), -1, -1);
    for (int r = 0; r < GetRowCount(); ++r) {
        for (int c = 0; c < GetColumnCount(); ++c) {
            if (!IsCellSelected(r, c))
                continue;
            range.nMinRow = std::min(range.nMinRow, r);
            range.nMinCol = std::min(range.nMinCol, c);
            range.nMaxRow = std::max(range.nMaxRow, r);
            range.nMaxCol = std::max(range.nMaxCol, c);
        }
    }
    return range.IsValid() ? range : CCellRange();
}

void CGridCtrl::ClearCellStates(UINT nMask)
{
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            SetItemState(r, c, GetItemState(r, c) & ~nMask);
}

void CGridCtrl::SetSelectedRange(const CCellRange& range, BOOL bForceRepaint)
{
    ClearCellStates(GVIS_SELECTED);
    if ((GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        for (const CCellID& cell : m_PrevSelection)
            if (IsValid(cell))
                SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_SELECTED);
    }
    if (range.IsValid()) {
        for (int r = range.nMinRow; r <= range.nMaxRow; ++r)
            for (int c = range.nMinCol; c <= range.nMaxCol; ++c)
                if (IsValid(r, c))
                    SetItemState(r, c, GetItemState(r, c) | GVIS_SELECTED);
    }
    if (bForceRepaint || m_hWnd)
        Refresh();
}

void CGridCtrl::ResetSelectedRange()
{
    m_PrevSelection.clear();
    ClearCellStates(GVIS_SELECTED);
    SetFocusCell(CCellID());
    Refresh();
}

BOOL CGridCtrl::IsCellSelected(int nRow, int nCol) const
{
    return (GetItemState(nRow, nCol) & GVIS_SELECTED) != 0;
}

BOOL CGridCtrl::IsCellEditable(int nRow, int nCol) const
{
    return m_bEditable && IsValid(nRow, nCol) && (GetItemState(nRow, nCol) & GVIS_READONLY) == 0;
}

void CGridCtrl::OnSelecting(const CCellID& currentCell)
{
    if (!IsValid(currentCell))
        return;
    switch (m_MouseMode) {
    case MOUSE_SELECT_ALL:
        SetSelectedRange(CCellRange(m_nFixedRows, m_nFixedCols, GetRowCount() - 1, GetColumnCount() - 1));
        break;
    case MOUSE_SELECT_COL:
        SetSelectedRange(CCellRange(m_nFixedRows, std::min(m_SelectionStartCell.col, currentCell.col),
                                    GetRowCount() - 1, std::max(m_SelectionStartCell.col, currentCell.col)));
        break;
    case MOUSE_SELECT_ROW:
        SetSelectedRange(CCellRange(std::min(m_SelectionStartCell.row, currentCell.row), m_nFixedCols,
                                    std::max(m_SelectionStartCell.row, currentCell.row), GetColumnCount() - 1));
        break;
    case MOUSE_SELECT_CELLS: {
        const CCellID start(std::max(m_SelectionStartCell.row, m_nFixedRows),
                            std::max(m_SelectionStartCell.col, m_nFixedCols));
        const CCellID end(std::max(currentCell.row, m_nFixedRows), std::max(currentCell.col, m_nFixedCols));
        SetSelectedRange(CCellRange::Between(start, end));
        break;
    }
    default:
        break;
    }
}

void CGridCtrl::ExtendSelectionOverWideChars(CCellID& endCell)
{
    WidePairs::ExtendSelection(*this, m_SelectionStartCell, endCell);
}
