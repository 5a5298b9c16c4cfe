// Typing into cells, the end of a cell edit, and the cell text that cut and paste move, by the
// LCD's rules: one character a cell, double-width characters as pairs, no text under an
// element, extended characters only where the controller and the shown character set take them.
#include "messagetext/GridCtrl.h"

#include "blocks/Widget.h"
#include "document/VetlaDoc.h"
#include "messagetext/CharClass.h"

namespace {

// The newer controller generation (model byte 0x51 and up) has the extended character sets.
constexpr int kFirstNewerModel = 0x51;

// Characters at or above U+0080 that the LCD shows in one cell whatever the character set.
constexpr TCHAR kSpecialSingleWidth[] = {0x20AC, 0x2109, 0x00B0, 0x25BA, 0x25C4, 0x25BC, 0x25B2, 0x00B1};

bool IsSpecialSingleWidth(TCHAR ch)
{
    return std::find(std::begin(kSpecialSingleWidth), std::end(kSpecialSingleWidth), ch) !=
           std::end(kSpecialSingleWidth);
}

int LinesOfWidget(const CWidget& widget)
{
    if (widget.m_nKind == WIDGET_KIND_GRAPH)
        return 4;
    if (widget.m_nKind == WIDGET_KIND_SCOPE || widget.m_nKind == WIDGET_KIND_POINTER)
        return 3;
    return 1;
}

}  // namespace

BOOL CGridCtrl::IsCoveredByWidget(int nRow, int nCol) const
{
    for (int nLine = 1; nLine <= std::min(nRow, LCD_LINE_COUNT); ++nLine) {
        const CObArray& list = m_arrWidgets[nLine - 1];
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            const auto* pWidget = static_cast<const CWidget*>(list.GetAt(i));
            if (!pWidget || nCol < pWidget->m_nColumn || nCol > pWidget->m_nColumn + pWidget->m_nWidth - 1)
                continue;
            if (nRow >= pWidget->m_nLine && nRow < pWidget->m_nLine + LinesOfWidget(*pWidget))
                return TRUE;
        }
    }
    return FALSE;
}

int CGridCtrl::GetAcceptedCharClass() const
{
    const ILcdGridHost* pHost = GetHost();
    if (!pHost || pHost->GetGridHostKind() != LcdGridHostKind::MessageTextsNew)
        return CHARCLASS_OTHER;
    const CVetlaDoc* pDoc = pHost->GetGridDocument();
    if (!pDoc || HIBYTE(pDoc->m_wHardwareCode) < kFirstNewerModel)
        return CHARCLASS_OTHER;
    const int nSet = pHost->GetShownCharSet() != 0 ? pDoc->m_nCharSet2 : pDoc->m_nCharSet1;
    // Sets 0 and 1 are the two Chinese sets, 2 the other languages.
    return nSet == 2 ? CHARCLASS_EXTENDED : CHARCLASS_DOUBLE_WIDTH;
}

void CGridCtrl::OnEditCell(int nRow, int nCol, CPoint point, UINT nChar)
{
    if (!IsCellEditable(nRow, nCol))
        return;
    EnsureVisible(nRow, nCol);
    if (m_hWnd && !IsCellVisible(nRow, nCol))
        return;
    if (nRow >= 1 && IsCoveredByWidget(nRow, nChar >= 0x80 ? nCol + 1 : nCol))
        return;
    if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0)
        return;
    CRect rect;
    GetCellRect(nRow, nCol, &rect);
    GetCell(nRow, nCol)->Edit(nRow, nCol, rect, point, 8, nChar);
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
            SetItemState(nRow, nCol, GetItemState(nRow, nCol) | GVIS_MODIFIED);
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
    const TCHAR chFirst = strText.IsEmpty() ? 0 : strText.GetAt(0);
    const bool bWide = chFirst >= 0x80 && !IsSpecialSingleWidth(chFirst);
    if (nRow >= 1 && (IsCoveredByWidget(nRow, nCol) || (chFirst >= 0x80 && IsCoveredByWidget(nRow, nCol + 1))))
        return FALSE;
    bool bPair = false;
    if (!bWide) {
        if (WidePairs::IsFirst(*this, nRow, nCol)) {
            bStop = true;
            return FALSE;
        }
        // The empty field that a copied pair leaves for its right half keeps the pair; a
        // character there would split it, which typing does not allow either.
        if (WidePairs::IsSecond(*this, nRow, nCol))
            return strText.IsEmpty();
    } else {
        const int nClass = GetCharClass(chFirst);
        if (nClass == CHARCLASS_OTHER || nClass != GetAcceptedCharClass())
            return FALSE;
        bPair = nClass == CHARCLASS_DOUBLE_WIDTH;
        // A double-width character needs both its cells, as when it is typed.
        if (bPair && (!IsValid(nRow, nCol + 1) || GetColumnWidth(nCol + 1) <= 0 ||
                      WidePairs::IsSecond(*this, nRow, nCol) || WidePairs::IsFirst(*this, nRow, nCol + 1)))
            return FALSE;
    }
    if (!bPair)
        WidePairs::Break(*this, nRow, nCol);
    if (!OnEndEditCell(nRow, nCol, strText))
        return FALSE;
    SetItemState(nRow, nCol, GetItemState(nRow, nCol) & ~GVIS_SELECTED);
    const int nLastCol = bPair && WidePairs::Join(*this, nRow, nCol) ? nCol + 1 : nCol;
    pasted.nMaxRow = std::max(pasted.nMaxRow, nRow);
    pasted.nMaxCol = std::max(pasted.nMaxCol, nLastCol);
    return TRUE;
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
            const bool bTakesTwo = bByCharacter && !strUnit.IsEmpty() &&
                                   GetCharClass(strUnit.GetAt(0)) == CHARCLASS_DOUBLE_WIDTH;
            nColStep += bTakesTwo ? 2 : 1;
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
