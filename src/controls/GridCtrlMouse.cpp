// The mouse: a press starts a selection (widened so that it never splits a wide cell), moving
// with the button down extends it, header presses select whole rows or columns and sort, and
// the header's dividers size columns and rows.
#include "controls/GridCtrl.h"

#include "platform/gdi/DC.h"
#include "platform/ui/Cursor.h"

#include <algorithm>

namespace {

// How near a divider the mouse counts as over it.
constexpr int kResizeCaptureRange = 3;

}  // namespace

int CGridCtrl::DividerModeAt(CPoint point, int& nIndex) const
{
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell))
        return MOUSE_NOTHING;
    CRect rect;
    GetCellRect(cell.row, cell.col, &rect);
    if (m_bAllowColumnResize && cell.row < m_nFixedRows) {
        if (point.x >= rect.right - kResizeCaptureRange) {
            nIndex = cell.col;
            return MOUSE_OVER_COL_DIVIDE;
        }
        if (point.x <= rect.left + kResizeCaptureRange && cell.col > 0) {
            nIndex = cell.col - 1;
            return MOUSE_OVER_COL_DIVIDE;
        }
    }
    if (m_bAllowRowResize && cell.col < m_nFixedCols) {
        if (point.y >= rect.bottom - kResizeCaptureRange) {
            nIndex = cell.row;
            return MOUSE_OVER_ROW_DIVIDE;
        }
        if (point.y <= rect.top + kResizeCaptureRange && cell.row > 0) {
            nIndex = cell.row - 1;
            return MOUSE_OVER_ROW_DIVIDE;
        }
    }
    return MOUSE_NOTHING;
}

BOOL CGridCtrl::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_MouseMode == MOUSE_DRAGGING) {
        ::SetCursor(nullptr);
        return TRUE;
    }
    UINT nCursor = IDC_ARROW;
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE || m_MouseMode == MOUSE_SIZING_COL)
        nCursor = IDC_SIZEWE;
    else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE || m_MouseMode == MOUSE_SIZING_ROW)
        nCursor = IDC_SIZENS;
    if (nCursor == IDC_ARROW && !m_bVirtualMode) {
        // Over a cell, the cell's own cursor.
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        const CCellID cell = GetCellFromPt(point);
        if (CGridCellBase* pCell = GetCell(cell.row, cell.col))
            return pCell->OnSetCursor();
    }
    ::SetCursor(AfxLoadStandardCursor(nCursor));
    return TRUE;
}

void CGridCtrl::FinishResize(CPoint point)
{
    InvalidateTrackingLine();
    // A press and release on the divider without moving changes nothing.
    if (point == m_LeftClickDownPoint)
        return;
    const int nLeast = m_bResizeMayHide ? 0 : 1;
    POINT origin;
    if (m_MouseMode == MOUSE_SIZING_COL && GetCellOrigin(0, m_nResizeIndex, &origin))
        SetColumnWidth(m_nResizeIndex, std::max(nLeast, int(point.x - origin.x)));
    else if (m_MouseMode == MOUSE_SIZING_ROW && GetCellOrigin(m_nResizeIndex, 0, &origin))
        SetRowHeight(m_nResizeIndex, std::max(nLeast, int(point.y - origin.y)));
    ResetScrollBars();
    Invalidate();
}

void CGridCtrl::EnableTitleTips(BOOL bEnable)
{
    m_bTitleTips = bEnable;
    if (!bEnable)
        m_titleTip.Hide();
}

void CGridCtrl::UpdateTitleTip(CPoint point)
{
    const CCellID cell = GetCellFromPt(point);
    const CGridCellBase* pCell =
        m_bTitleTips && m_MouseMode == MOUSE_NOTHING ? GetCell(cell.row, cell.col) : nullptr;
    CRect rect;
    // A wide cell's text has the room of two cells; it is not measured against one.
    if (!pCell || pCell->IsWideFirst() || pCell->GetText().IsEmpty() ||
        !GetCellRect(cell.row, cell.col, &rect)) {
        m_titleTip.Hide();
        return;
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const CSize extent = pCell->GetTextExtent(pCell->GetText(), &dc);
    if (extent.cx <= rect.Width() + 1) {
        m_titleTip.Hide();
        return;
    }
    rect.right = rect.left + extent.cx;
    rect.bottom++;
    ClientToScreen(&rect);
    m_titleTip.Show(this, rect, pCell->GetText(), *pCell->GetFont(),
                    m_crTTipTextClr == CLR_DEFAULT ? pCell->GetTextClr() : m_crTTipTextClr,
                    m_crTTipBackClr == CLR_DEFAULT ? pCell->GetBackClr() : m_crTTipBackClr);
}

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Typing goes where the user clicked.
    if (GetFocus() != this)
        SetFocus();
    m_titleTip.Hide();
    m_LeftClickDownCell = GetCellFromPt(point);
    m_LeftClickDownPoint = point;
    m_CurCol = -1;
    if (!IsValid(m_LeftClickDownCell))
        return;
    m_bLMouseButtonDown = TRUE;
    int nDivided = -1;
    const int nDivider = DividerModeAt(point, nDivided);
    if (nDivider != MOUSE_NOTHING) {
        // A press on a header divider sizes that column or row until the release.
        m_MouseMode = nDivider == MOUSE_OVER_COL_DIVIDE ? MOUSE_SIZING_COL : MOUSE_SIZING_ROW;
        m_nResizeIndex = nDivided;
        m_ptTracking = point;
        InvalidateTrackingLine();
        SetCapture();
        return;
    }
    const bool bShift = (nFlags & MK_SHIFT) != 0;
    const bool bCtrl = (nFlags & MK_CONTROL) != 0;
    if (!bShift)
        m_SelectionStartCell = m_LeftClickDownCell;
    else if (!IsValid(m_SelectionStartCell))
        m_SelectionStartCell = m_idCurrentCell;
    const bool bFixed = m_LeftClickDownCell.row < m_nFixedRows || m_LeftClickDownCell.col < m_nFixedCols;
    if (!bFixed && !(bShift && !IsValid(m_SelectionStartCell)))
        WidePairs::WidenPress(*this, m_SelectionStartCell, m_LeftClickDownCell, bShift);

    // A Shift press may leave the pressed end on a right half: the focus still takes the
    // character's left half, where typing goes.
    const CCellID& pressed = m_LeftClickDownCell;
    const CCellID typingCell =
        WidePairs::IsSecond(*this, pressed.row, pressed.col) ? CCellID(pressed.row, pressed.col - 1) : pressed;
    if (IsCellSelected(pressed.row, pressed.col)) {
        SetFocusCell(typingCell);
        if (bCtrl) {
            SetItemState(pressed.row, pressed.col, GetItemState(pressed.row, pressed.col) & ~GVIS_SELECTED);
            RedrawCell(pressed.row, pressed.col);
            return;
        }
        // A press on the selection may start dragging its text; a release without moving
        // clears it.
        if (m_bAllowDragAndDrop) {
            SetCapture();
            m_MouseMode = MOUSE_PREPARE_DRAG;
            m_LastMousePoint = point;
            return;
        }
    } else if (bFixed) {
        SetFocusCell(CCellID());
    } else {
        SetFocusCell(typingCell);
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
    if (m_LeftClickDownCell.row < m_nFixedRows && m_bAllowColumnReorder &&
        m_LeftClickDownCell.col >= m_nFixedCols) {
        // A move from here drags the column's header (OnMouseMove), a release moves it.
        ResetSelectedRange();
        m_MouseMode = MOUSE_PREPARE_DRAG;
        m_CurCol = m_LeftClickDownCell.col;
        m_LastMousePoint = point;
        return;
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
    if (m_MouseMode == MOUSE_PREPARE_DRAG && m_bLMouseButtonDown && (nFlags & MK_LBUTTON) != 0) {
        if (m_CurCol >= 0)
            m_MouseMode = MOUSE_DRAGGING;
        else
            OnBeginDrag(point);
        return;
    }
    if (!m_bLMouseButtonDown || (nFlags & MK_LBUTTON) == 0) {
        int nDivided = -1;
        m_MouseMode = DividerModeAt(point, nDivided);
        const CCellID cell = GetCellFromPt(point);
        if (CGridCellBase* pCell = m_MouseMode == MOUSE_NOTHING ? GetCell(cell.row, cell.col) : nullptr)
            pCell->OnMouseOver();
        UpdateTitleTip(point);
        return;
    }
    if (m_MouseMode == MOUSE_SIZING_COL || m_MouseMode == MOUSE_SIZING_ROW) {
        InvalidateTrackingLine();
        m_ptTracking = point;
        InvalidateTrackingLine();
        return;
    }
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

void CGridCtrl::OnLButtonUp(UINT, CPoint point)
{
    m_LastMousePoint = point;
    if (m_MouseMode == MOUSE_DRAGGING && m_CurCol >= 0) {
        // A header dropped on another column's header takes that column's place.
        const CCellID target = GetCellFromPt(point);
        if (IsValid(target) && target.row < m_nFixedRows)
            MoveColumn(m_CurCol, target.col);
        m_CurCol = -1;
    }
    const bool bWasDown = m_bLMouseButtonDown;
    m_bLMouseButtonDown = FALSE;
    KillTimer(kAutoScrollTimer);
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_MouseMode == MOUSE_SIZING_COL || m_MouseMode == MOUSE_SIZING_ROW)
        FinishResize(point);
    else if (bWasDown)
        NotifyRelease();
    m_MouseMode = MOUSE_NOTHING;
    ::SetCursor(AfxLoadStandardCursor(IDC_ARROW));
    if (bWasDown && IsValid(m_LeftClickDownCell) && GetOwner())
        GetOwner()->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID()), BN_CLICKED),
                                reinterpret_cast<LPARAM>(m_hWnd));
}

void CGridCtrl::NotifyRelease()
{
    auto clickFocusCell = [this] {
        if (CGridCellBase* pCell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col))
            pCell->OnClick(GetPointClicked(m_idCurrentCell.row, m_idCurrentCell.col, m_LastMousePoint));
    };
    if (m_MouseMode != MOUSE_PREPARE_DRAG) {
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
        clickFocusCell();
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_CLICK);
        return;
    }
    // A press on the selection released without moving: a click that ends the selection and,
    // as any click, starts it afresh at the pressed cell, which keeps the caret for typing.
    clickFocusCell();
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_CLICK);
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    if (!KeepsSelectionOnRelease() && IsValid(m_idCurrentCell))
        RestartSelectionAt(m_idCurrentCell);
    else if (!KeepsSelectionOnRelease())
        ResetSelectedRange();
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
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
