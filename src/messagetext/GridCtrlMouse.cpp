// The mouse: a press starts a selection (widened so that it never splits a double-width
// character), moving with the button down extends it, header presses select whole rows or
// columns and sort.
#include "messagetext/GridCtrl.h"

#include <algorithm>

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_LeftClickDownPoint = point;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;
    m_bLMouseButtonDown = TRUE;
    const bool bShift = (nFlags & MK_SHIFT) != 0;
    const bool bCtrl = (nFlags & MK_CONTROL) != 0;
    if (!bShift)
        m_SelectionStartCell = m_LeftClickDownCell;
    else if (!IsValid(m_SelectionStartCell))
        m_SelectionStartCell = m_idCurrentCell;
    const bool bFixed = m_LeftClickDownCell.row < m_nFixedRows || m_LeftClickDownCell.col < m_nFixedCols;
    if (!bFixed && !(bShift && !IsValid(m_SelectionStartCell)))
        WidePairs::WidenPress(*this, m_SelectionStartCell, m_LeftClickDownCell, bShift);

    if (IsCellSelected(m_LeftClickDownCell.row, m_LeftClickDownCell.col)) {
        SetFocusCell(m_LeftClickDownCell);
        if (bCtrl) {
            SetItemState(m_LeftClickDownCell.row, m_LeftClickDownCell.col,
                         GetItemState(m_LeftClickDownCell.row, m_LeftClickDownCell.col) & ~GVIS_SELECTED);
            RedrawCell(m_LeftClickDownCell.row, m_LeftClickDownCell.col);
            return;
        }
    } else {
        SetFocusCell(bFixed ? CCellID() : m_LeftClickDownCell);
    }
    SetCapture();
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    m_PrevSelection.clear();
    if (bCtrl) {
        for (int r = 0; r < GetRowCount(); ++r)
            for (int c = 0; c < GetColumnCount(); ++c)
                if (IsCellSelected(r, c))
                    m_PrevSelection.emplace_back(r, c);
    }
    if (m_LeftClickDownCell.row < m_nFixedRows) {
        OnFixedRowClick(m_LeftClickDownCell);
    } else if (m_LeftClickDownCell.col < m_nFixedCols) {
        OnFixedColumnClick(m_LeftClickDownCell);
    } else {
        m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        OnSelecting(m_LeftClickDownCell);
    }
    m_LastMousePoint = point;
    SetTimer(kAutoScrollTimer, kAutoScrollInterval, nullptr);
}

void CGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    m_LastMousePoint = point;
    if (!m_bLMouseButtonDown || (nFlags & MK_LBUTTON) == 0)
        return;
    if (m_MouseMode != MOUSE_SELECT_CELLS && m_MouseMode != MOUSE_SELECT_ROW && m_MouseMode != MOUSE_SELECT_COL)
        return;
    CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell) || cell == m_idCurrentCell)
        return;
    ExtendSelectionOverWideChars(cell);
    OnSelecting(cell);
    if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols)
        SetFocusCell(cell);
}

void CGridCtrl::OnLButtonUp(UINT, CPoint)
{
    const bool bWasDown = m_bLMouseButtonDown;
    m_bLMouseButtonDown = FALSE;
    KillTimer(kAutoScrollTimer);
    if (GetCapture() == this)
        ReleaseCapture();
    if (bWasDown) {
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_CLICK);
    }
    m_MouseMode = MOUSE_NOTHING;
    if (bWasDown && IsValid(m_LeftClickDownCell) && GetOwner())
        GetOwner()->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID()), BN_CLICKED),
                                reinterpret_cast<LPARAM>(m_hWnd));
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this) {
        m_bLMouseButtonDown = FALSE;
        KillTimer(kAutoScrollTimer);
    }
}

void CGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAutoScrollTimer)
        return;
    const bool bSelecting = m_MouseMode == MOUSE_SELECT_CELLS || m_MouseMode == MOUSE_SELECT_ROW ||
                            m_MouseMode == MOUSE_SELECT_COL;
    if (!m_bLMouseButtonDown || !bSelecting) {
        KillTimer(kAutoScrollTimer);
        return;
    }
    // Scrolls a line towards the side the mouse left and extends the selection to the cell at
    // the edge, so that a selection can be dragged beyond what the window shows.
    CRect client;
    GetClientRect(&client);
    CPoint point = m_LastMousePoint;
    if (point.y >= client.bottom)
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    else if (point.y < GetFixedRowHeight())
        SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    if (point.x >= client.right)
        SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    else if (point.x < GetFixedColumnWidth())
        SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    point.x = std::clamp(point.x, LONG(GetFixedColumnWidth()), LONG(client.right - 1));
    point.y = std::clamp(point.y, LONG(GetFixedRowHeight()), LONG(client.bottom - 1));
    CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) {
        const CCellRange visible = GetVisibleNonFixedCellRange();
        cell = CCellID(cell.row < 0 ? visible.nMaxRow : cell.row, cell.col < 0 ? visible.nMaxCol : cell.col);
    }
    ExtendSelectionOverWideChars(cell);
    OnSelecting(cell);
}
