// The keyboard: cursor keys that step over the right half of a wide cell, the clipboard keys,
// Delete for cells, and typing.
#include "controls/GridCtrl.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/ControlWnd.h"
#include "platform/ui/KeyState.h"

namespace {

bool IsKeyDown(int nVirtKey) { return (GetKeyState(nVirtKey) & 0x8000) != 0; }

}  // namespace

int CGridCtrl::NextVisibleColumn(int nRow, int nCol, int nStep) const
{
    for (int c = nCol + nStep; c >= m_nFixedCols && c < GetColumnCount(); c += nStep) {
        if (GetColumnWidth(c) > 0)
            return WidePairs::StepOverSecond(*this, nRow, c, nStep);
    }
    return nCol;
}

int CGridCtrl::NextVisibleRow(int nRow, int nStep) const
{
    for (int r = nRow + nStep; r >= m_nFixedRows && r < GetRowCount(); r += nStep) {
        if (GetRowHeight(r) > 0)
            return r;
    }
    return nRow;
}

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsValid(m_idCurrentCell)) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const CCellID focus = m_idCurrentCell;
    if (IsKeyDown(VK_CONTROL)) {
        switch (nChar) {
        case VK_INSERT:
        case 'C': OnEditCopy(); break;
        case 'X': OnEditCut(); break;
        case 'V': OnEditPaste(); break;
        case 'A':
            m_MouseMode = MOUSE_SELECT_ALL;
            OnSelecting(focus);
            m_MouseMode = MOUSE_NOTHING;
            break;
        case VK_ADD:
            AutoSizeColumns();
            Invalidate();
            break;
        default: break;
        }
    }
    CCellID next = focus;
    const bool bShift = IsKeyDown(VK_SHIFT);
    switch (nChar) {
    case VK_INSERT:
        if (bShift && !IsKeyDown(VK_CONTROL)) {
            CString strText;
            if (m_bEditable && CClipboard::GetText(strText))
                PasteText(focus, strText, TRUE);
            return;
        }
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    case VK_DELETE:
        CutSelectedText();
        break;
    case VK_DOWN: next.row = NextVisibleRow(focus.row, +1); break;
    case VK_UP: next.row = NextVisibleRow(focus.row, -1); break;
    case VK_HOME:
        next.col = NextVisibleColumn(focus.row, m_nFixedCols - 1, +1);
        if (IsKeyDown(VK_CONTROL))
            next.row = NextVisibleRow(m_nFixedRows - 1, +1);
        break;
    case VK_END: {
        if (IsKeyDown(VK_CONTROL))
            next.row = NextVisibleRow(GetRowCount(), -1);
        int c = GetColumnCount() - 1;
        while (c > m_nFixedCols && GetColumnWidth(c) == 0)
            --c;
        if (WidePairs::IsSecond(*this, next.row, c))
            c = NextVisibleColumn(next.row, c, -1);
        next.col = c;
        break;
    }
    case VK_RIGHT: next.col = NextVisibleColumn(focus.row, focus.col, +1); break;
    case VK_TAB:
        if (!bShift && m_bQuitFocusOnTab) {
            if (CWnd* pParent = GetParent())
                pParent->SendMessage(WM_NEXTDLGCTL, 0, 0);
            return;
        }
        if (bShift) {
            next.col = NextVisibleColumn(focus.row, focus.col, -1);
            if (next.col == focus.col && next.row > m_nFixedRows) {
                next.row = NextVisibleRow(focus.row, -1);
                next.col = NextVisibleColumn(next.row, GetColumnCount(), -1);
            }
        } else {
            next.col = NextVisibleColumn(focus.row, focus.col, +1);
            if (next.col == focus.col && next.row < GetRowCount() - 1) {
                next.row = NextVisibleRow(focus.row, +1);
                next.col = NextVisibleColumn(next.row, m_nFixedCols - 1, +1);
            }
        }
        break;
    case VK_LEFT:
    case VK_BACK: next.col = NextVisibleColumn(focus.row, focus.col, -1); break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    MoveFocusByKey(nChar, next);
}

void CGridCtrl::MoveFocusByKey(UINT nChar, CCellID next)
{
    // A pair that ends in the last column still restarts its selection over both halves.
    const bool bPairAtEnd = WidePairs::IsFirst(*this, next.row, next.col) &&
                            next.col + 2 == GetColumnCount();
    if (next == m_idCurrentCell && !bPairAtEnd)
        return;
    const bool bArrow = nChar == UINT(VK_LEFT) || nChar == UINT(VK_RIGHT) || nChar == UINT(VK_UP) ||
                        nChar == UINT(VK_DOWN) || nChar == UINT(VK_HOME) || nChar == UINT(VK_END);
    const bool bExtend = IsKeyDown(VK_SHIFT) && bArrow && !m_bCharTyped;
    SendMessageToParent(next.row, next.col, GVN_SELCHANGING);
    if (bExtend) {
        CCellID end = next;
        ExtendSelectionOverWideChars(end);
        CCellRange range = CCellRange::Between(m_SelectionStartCell, end);
        if (m_bListMode)
            range = CCellRange(range.nMinRow, m_nFixedCols, range.nMaxRow, GetColumnCount() - 1);
        SetSelectedRange(range);
    } else {
        RestartSelectionAt(next);
    }
    SetFocusCell(next);
    SendMessageToParent(next.row, next.col, GVN_SELCHANGED);
    EnsureVisible(next.row, next.col);
    m_MouseMode = MOUSE_NOTHING;
}

void CGridCtrl::RestartSelectionAt(CCellID cell)
{
    m_SelectionStartCell = cell;
    const int nLast = WidePairs::IsFirst(*this, cell.row, cell.col) ? cell.col + 1 : cell.col;
    CCellRange range(cell.row, cell.col, cell.row, nLast);
    if (m_bListMode)
        range = CCellRange(cell.row, m_nFixedCols, cell.row, GetColumnCount() - 1);
    SetSelectedRange(range);
}

void CGridCtrl::TypeCharacter(UINT nChar)
{
    if (IsKeyDown(VK_CONTROL) || m_MouseMode != MOUSE_NOTHING || nChar == UINT(VK_ESCAPE))
        return;
    if (!IsValid(m_idCurrentCell))
        return;
    // Only the move the typing makes itself; the user's next Shift+arrow extends from the
    // caret again, and nothing of the typing outlives it (a refused character moves nothing).
    m_bCharTyped = TRUE;
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
    m_bCharTyped = FALSE;
}

LRESULT CGridCtrl::OnGetDlgCode(WPARAM, LPARAM)
{
    // Ctrl+Tab stays the dialog's (a property sheet steps its pages with it).
    const UINT nTab = m_bHandleTabKey && !IsKeyDown(VK_CONTROL) ? DLGC_WANTTAB : 0;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | nTab;
}

void CGridCtrl::OnChar(UINT nChar, UINT, UINT)
{
    // Tab moves the focus, in the grid or in the dialog; it is never typed into a cell.
    if (nChar == UINT(VK_TAB))
        return;
    TypeCharacter(nChar);
}

LRESULT CGridCtrl::OnImeChar(WPARAM wParam, LPARAM)
{
    TypeCharacter(UINT(wParam));
    return 0;
}
