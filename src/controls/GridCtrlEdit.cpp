// Typing into cells, the end of a cell edit, and the cell text that cut and paste move: one
// typed character a cell, and a wide cell taken as a whole.
#include "controls/GridCtrl.h"

#include "platform/ui/KeyState.h"

void CGridCtrl::OnEditCell(int nRow, int nCol, CPoint point, UINT nChar)
{
    if (!IsCellEditable(nRow, nCol))
        return;
    EnsureVisible(nRow, nCol);
    if (m_hWnd && !IsCellVisible(nRow, nCol))
        return;
    if (RefusesTypingAt(nRow, nCol, nChar))
        return;
    if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0)
        return;
    CRect rect;
    GetCellRect(nRow, nCol, &rect);
    GetCell(nRow, nCol)->Edit(nRow, nCol, rect, point, 8, nChar);
}

void CGridCtrl::TypeIntoCell(CGridCell& cell, int nRow, int nCol, UINT nChar)
{
    if (nChar == 1) {
        OnEndEditCell(nRow, nCol, cell.GetText());
        return;
    }
    // A character of its own never overwrites half of a wide cell.
    if (!cell.IsWideFirst()) {
        const CString strNew = nChar == VK_BACK ? CString() : CString(TCHAR(nChar));
        if (cell.IsWideSecond())
            WidePairs::Break(*this, nRow, nCol);
        OnEndEditCell(nRow, nCol, strNew);
    }
    if (nChar != VK_BACK)
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
}

BOOL CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    if (!pCell)
        return FALSE;
    const CString strOld = pCell->GetText();
    BOOL bAccepted = TRUE;
    if (str != strOld) {
        pCell->SetText(str);
        bAccepted = ValidateEdit(nRow, nCol, str) && SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT) >= 0;
        if (bAccepted) {
            SetModified(TRUE, nRow, nCol);
            RedrawCell(nRow, nCol);
        } else {
            pCell->SetText(strOld);
        }
    }
    pCell->OnEndEdit();
    return bAccepted;
}

BOOL CGridCtrl::ValidateEdit(int nRow, int nCol, LPCTSTR pszText)
{
    CGridCellBase* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->ValidateEdit(pszText) : TRUE;
}

void CGridCtrl::EndEditing()
{
    if (CGridCellBase* pCell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col))
        pCell->OnEndEdit();
}

void CGridCtrl::CutSelectedText()
{
    if (!m_bEditable)
        return;
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            if (IsCellSelected(r, c))
                WidePairs::Clear(*this, r, c);
    Refresh();
}

CString CGridCtrl::GetSelectionText() const
{
    const CCellRange range = GetSelectedCellRange();
    CString strText;
    if (!range.IsValid())
        return strText;
    for (int r = range.nMinRow; r <= range.nMaxRow; ++r) {
        if (GetRowHeight(r) <= 0)
            continue;
        for (int c = range.nMinCol; c <= range.nMaxCol; ++c) {
            if (GetColumnWidth(c) <= 0)
                continue;
            if (IsCellSelected(r, c))
                strText += GetItemText(r, c);
            if (c != range.nMaxCol)
                strText += _T("\t");
        }
        if (r != range.nMaxRow)
            strText += _T("\r\n");
    }
    return strText;
}

BOOL CGridCtrl::PlacePastedUnit(int nRow, int nCol, const CString& strUnit, CCellRange& pasted, bool& bStop)
{
    bStop = false;
    CString strText = strUnit;
    strText.Trim();
    WidePairs::Break(*this, nRow, nCol);
    if (!OnEndEditCell(nRow, nCol, strText))
        return FALSE;
    AddPastedCell(nRow, nCol, nCol, pasted);
    return TRUE;
}

void CGridCtrl::AddPastedCell(int nRow, int nCol, int nLastCol, CCellRange& pasted)
{
    SetItemState(nRow, nCol, GetItemState(nRow, nCol) & ~GVIS_SELECTED);
    pasted.nMaxRow = std::max(pasted.nMaxRow, nRow);
    pasted.nMaxCol = std::max(pasted.nMaxCol, nLastCol);
}

BOOL CGridCtrl::PasteText(CCellID startCell, const CString& strText, BOOL bSelectPasted)
{
    if (!IsCellEditable(startCell.row, startCell.col))
        return FALSE;
    const bool bByCharacter = strText.Find(_T('\t')) < 0 && strText.GetLength() != 1;
    CCellRange pasted(startCell.row, startCell.col, startCell.row, startCell.col);
    int nLine = 0;
    int nStart = 0;
    while (nStart <= strText.GetLength()) {
        int nEnd = strText.Find(_T('\n'), nStart);
        if (nEnd < 0)
            nEnd = strText.GetLength();
        CString strLine = strText.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (bByCharacter) {
            strLine = strLine.SpanExcluding(_T("\r\n"));
            if (strLine.IsEmpty())
                continue;
        }
        int nRow = startCell.row + nLine;
        while (nRow < GetRowCount() && GetRowHeight(nRow) == 0)
            ++nRow;
        // Units: single characters, or fields ending at a tab (and after the first at a comma).
        std::vector<CString> units;
        if (bByCharacter) {
            for (int i = 0; i < strLine.GetLength(); ++i)
                units.emplace_back(strLine.GetAt(i));
        } else {
            strLine = strLine.SpanExcluding(_T("\r"));
            int nPos = 0;
            for (bool bFirst = true; nPos <= strLine.GetLength(); bFirst = false) {
                int nSep = strLine.Find(_T('\t'), nPos);
                const int nComma = bFirst ? -1 : strLine.Find(_T(','), nPos);
                if (nComma >= 0 && (nSep < 0 || nComma < nSep))
                    nSep = nComma;
                if (nSep < 0)
                    nSep = strLine.GetLength();
                units.push_back(strLine.Mid(nPos, nSep - nPos));
                nPos = nSep + 1;
            }
        }
        int nColStep = 0;
        for (const CString& strUnit : units) {
            int nCol = startCell.col + nColStep;
            while (nCol < GetColumnCount() && GetColumnWidth(nCol) == 0)
                ++nCol;
            nColStep += bByCharacter ? PastedUnitColumns(strUnit) : 1;
            if (!IsValid(nRow, nCol))
                continue;
            bool bStop = false;
            if (!PlacePastedUnit(nRow, nCol, strUnit, pasted, bStop)) {
                if (!bStop) {
                    ClearCellStates(GVIS_SELECTED);
                    Refresh();
                }
                return FALSE;
            }
        }
        ++nLine;
        if (nEnd >= strText.GetLength())
            break;
    }
    if (bSelectPasted)
        SetSelectedRange(pasted);
    else
        ClearCellStates(GVIS_SELECTED);
    Refresh();
    return TRUE;
}
