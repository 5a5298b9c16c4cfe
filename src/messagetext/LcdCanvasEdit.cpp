// Typing and pasting by the LCD's rules: double-width characters as pairs, no text under an
// element, extended characters only where the controller and the shown character set take them.
#include "messagetext/LcdCanvas.h"

#include "blocks/Widget.h"
#include "document/VetlaDoc.h"
#include "messagetext/CharClass.h"
#include "platform/ui/KeyState.h"

namespace {

// The newer controller generation (model byte 0x51 and up) has the extended character sets.
constexpr int kFirstNewerModel = 0x51;

// Characters at or above U+0080 that the LCD shows in one cell whatever the character set:
// the degree sign and every symbol of the special-character buttons.
constexpr TCHAR kSpecialSingleWidth[] = {0x20AC, 0x2109, 0x00B0, 0x25BA, 0x25C4, 0x25BC,
                                         0x25B2, 0x00B1, 0x2103, 0x2551, 0x25A0};

bool IsSpecialSingleWidth(TCHAR ch)
{
    return std::find(std::begin(kSpecialSingleWidth), std::end(kSpecialSingleWidth), ch) !=
           std::end(kSpecialSingleWidth);
}

}  // namespace

// Every list is looked at: an element's own line and kind say where it lies, and a project
// file may keep an element in the list of another line. An element a file holds not placed yet
// (no line or column) covers the cells it is drawn over.
BOOL CLcdCanvas::IsCoveredByWidget(int nRow, int nCol) const
{
    CRect cell;
    const bool bCellShown = GetCellRect(nRow, nCol, &cell) != FALSE;
    for (const CObArray& list : m_arrWidgets) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            const auto* pWidget = static_cast<const CWidget*>(list.GetAt(i));
            if (!pWidget)
                continue;
            if (pWidget->m_nLine < 1 || pWidget->m_nColumn < 1) {
                if (bCellShown && pWidget->m_rect.PtInRect(cell.CenterPoint()))
                    return TRUE;
                continue;
            }
            if (nCol >= pWidget->m_nColumn && nCol <= pWidget->m_nColumn + pWidget->m_nWidth - 1 &&
                nRow >= pWidget->m_nLine && nRow < pWidget->m_nLine + WidgetLineCount(pWidget->m_nKind))
                return TRUE;
        }
    }
    return FALSE;
}

int CLcdCanvas::GetAcceptedCharClass() const
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

BOOL CLcdCanvas::IsCoveredFor(int nRow, int nCol, int nColumns) const
{
    return nRow >= 1 && (IsCoveredByWidget(nRow, nCol) || (nColumns > 1 && IsCoveredByWidget(nRow, nCol + 1)));
}

BOOL CLcdCanvas::RefusesTypingAt(int nRow, int nCol, UINT nChar) const
{
    return IsCoveredFor(nRow, nCol, GetCharClass(nChar) == CHARCLASS_DOUBLE_WIDTH ? 2 : 1);
}

void CLcdCanvas::TypeIntoCell(CGridCell& cell, int nRow, int nCol, UINT nChar)
{
    if (nChar < 0x80)
        CGridCtrl::TypeIntoCell(cell, nRow, nCol, nChar);
    else
        TypeExtended(cell, nRow, nCol, nChar);
}

void CLcdCanvas::TypeExtended(CGridCell& cell, int nRow, int nCol, UINT nChar)
{
    const int nClass = GetCharClass(nChar);
    if (nClass == CHARCLASS_OTHER || nClass != GetAcceptedCharClass())
        return;
    const CString strChar(static_cast<TCHAR>(nChar));
    if (nClass == CHARCLASS_DOUBLE_WIDTH) {
        // No room for the right half, or it would cut the next character in two.
        if (!IsValid(nRow, nCol + 1) || WidePairs::IsFirst(*this, nRow, nCol + 1))
            return;
        if (cell.IsWideSecond())
            WidePairs::Break(*this, nRow, nCol);
        if (OnEndEditCell(nRow, nCol, strChar))
            WidePairs::Join(*this, nRow, nCol);
    } else {
        if (cell.IsWideFirst() || cell.IsWideSecond())
            WidePairs::Break(*this, nRow, nCol);
        OnEndEditCell(nRow, nCol, strChar);
    }
    SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    SendMessage(WM_KEYUP, VK_RIGHT, 0);
}

int CLcdCanvas::PastedUnitColumns(const CString& strUnit) const
{
    return !strUnit.IsEmpty() && GetCharClass(strUnit.GetAt(0)) == CHARCLASS_DOUBLE_WIDTH ? 2 : 1;
}

BOOL CLcdCanvas::PlacePastedUnit(int nRow, int nCol, const CString& strUnit, CCellRange& pasted, bool& bStop)
{
    bStop = false;
    CString strText = strUnit;
    strText.Trim();
    const TCHAR chFirst = strText.IsEmpty() ? 0 : strText.GetAt(0);
    const bool bWide = chFirst >= 0x80 && !IsSpecialSingleWidth(chFirst);
    if (IsCoveredFor(nRow, nCol, PastedUnitColumns(strText)))
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
    AddPastedCell(nRow, nCol, bPair && WidePairs::Join(*this, nRow, nCol) ? nCol + 1 : nCol, pasted);
    return TRUE;
}
