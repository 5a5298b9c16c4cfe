// Dragging text on the grid: the selected cells' text leaves by dragging, and text dropped
// from elsewhere (or from this grid) is placed by the paste rules.
#include "controls/GridCtrl.h"

CCellID CGridCtrl::TextCellAt(CPoint point) const
{
    const CCellID cell = GetCellFromPt(point, FALSE);
    if (!IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols)
        return CCellID();
    CRect rect;
    GetCellRect(cell.row, cell.col, &rect);
    return point.x <= rect.right && point.y <= rect.bottom ? cell : CCellID();
}

void CGridCtrl::OnBeginDrag(CPoint)
{
    m_bLMouseButtonDown = FALSE;
    m_MouseMode = MOUSE_NOTHING;
    if (m_bAllowDragAndDrop)
        BeginTextDrag();
}

void CGridCtrl::BeginTextDrag()
{
    const CCellRange range = GetSelectedCellRange();
    if (!range.IsValid() || !MayCopySelection())
        return;
    COleDataSource source;
    source.CacheText(GetSelectionText());
    SendMessageToParent(range.nMinRow, range.nMinCol, GVN_BEGINDRAG);
    m_textDragSource = range;
    m_MouseMode = MOUSE_DRAGGING;
    const DROPEFFECT effect = source.DoDragDrop(*this, DROPEFFECT_COPY | (m_bEditable ? DROPEFFECT_MOVE : 0));
    m_MouseMode = MOUSE_NOTHING;
    m_textDragSource = CCellRange();
    // A drop here clears the selection; the move empties the cells the text came from.
    if (effect == DROPEFFECT_MOVE) {
        SetSelectedRange(range);
        CutSelectedText();
    }
}

bool CGridCtrl::DropOverlapsTextSource(CCellID cell) const
{
    const CCellRange& src = m_textDragSource;
    if (!src.IsValid())
        return false;
    const CCellRange dropped(cell.row, cell.col, cell.row + src.nMaxRow - src.nMinRow,
                             cell.col + src.nMaxCol - src.nMinCol);
    return dropped.nMinRow <= src.nMaxRow && src.nMinRow <= dropped.nMaxRow && dropped.nMinCol <= src.nMaxCol &&
           src.nMinCol <= dropped.nMaxCol;
}

void CGridCtrl::SetDropHighlight(CCellID cell)
{
    if (IsValid(m_LastDragOverCell) && !(cell == m_LastDragOverCell)) {
        SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                     GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GVIS_DROPHILITED);
        RedrawCell(m_LastDragOverCell.row, m_LastDragOverCell.col);
    }
    m_LastDragOverCell = cell;
    if (IsValid(cell)) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
        RedrawCell(cell.row, cell.col);
    }
}

DROPEFFECT CGridCtrl::TextDropEffect(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    const CCellID cell = TextCellAt(point);
    if (!m_bAllowDragAndDrop || !data.IsDataAvailable(CF_UNICODETEXT) || !IsValid(cell) ||
        !IsCellEditable(cell.row, cell.col) || DropOverlapsTextSource(cell)) {
        SetDropHighlight(CCellID());
        return DROPEFFECT_NONE;
    }
    SetDropHighlight(cell);
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CGridCtrl::OnDragEnter(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(data, dwKeyState, point);
}

DROPEFFECT CGridCtrl::OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point)
{
    return TextDropEffect(data, dwKeyState, point);
}

void CGridCtrl::OnDragLeave() { SetDropHighlight(CCellID()); }

BOOL CGridCtrl::OnDrop(const COleDataObject& data, DROPEFFECT, CPoint point)
{
    CString strText;
    const CCellID cell = TextCellAt(point);
    SetDropHighlight(CCellID());
    if (!m_bAllowDragAndDrop || !IsValid(cell) || !IsCellEditable(cell.row, cell.col) ||
        DropOverlapsTextSource(cell) || !data.GetText(strText))
        return FALSE;
    return PasteText(cell, strText, FALSE);
}
