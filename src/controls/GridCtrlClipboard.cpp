// The Edit menu's commands on the grid: the selection's text onto the clipboard and back,
// select all, and columns sized to their contents.
#include "controls/GridCtrl.h"

#include "platform/core/CmdTarget.h"
#include "platform/gdi/DC.h"
#include "platform/ui/Clipboard.h"

#include <algorithm>

BOOL CGridCtrl::CopySelectionToClipboard()
{
    if (!GetSelectedCellRange().IsValid() || !MayCopySelection())
        return FALSE;
    CClipboard::Empty();
    CClipboard::SetText(GetSelectionText());
    return TRUE;
}

void CGridCtrl::OnEditCopy() { CopySelectionToClipboard(); }

void CGridCtrl::OnEditCut()
{
    if (m_bEditable && CopySelectionToClipboard())
        CutSelectedText();
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    const CCellRange range = GetSelectedCellRange();
    CCellID target = range.IsValid() ? range.GetTopLeft() : m_idCurrentCell;
    if (!IsValid(target))
        target = GetTopleftNonFixedCell();
    CString strText;
    if (IsValid(target) && CClipboard::GetText(strText))
        PasteText(target, strText, TRUE);
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(GetSelectedCellRange().IsValid()); }

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEditable && GetSelectedCellRange().IsValid()); }

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell.row, m_idCurrentCell.col) &&
                   IsClipboardFormatAvailable(CF_UNICODETEXT));
}

// Cells may always be selected in this grid.
void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CGridCtrl::OnEditSelectAll()
{
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    SetSelectedRange(CCellRange(m_nFixedRows, m_nFixedCols, GetRowCount() - 1, GetColumnCount() - 1), TRUE);
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
}
