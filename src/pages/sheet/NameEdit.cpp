#include "pages/sheet/NameEdit.h"

#include "document/VetlaDoc.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"

BOOL CNameEdit::IsEnabled(int nNamedBlocks, const CString& strName)
{
    return nNamedBlocks < NAMED_BLOCKS_MAX || !strName.IsEmpty();
}

BOOL CNameEdit::IsEnabled(const CVetlaDoc* pDoc, const CString& strName)
{
    return IsEnabled(pDoc ? pDoc->CountNamedBlocks() : 0, strName);
}

CString CNameEdit::Filter(const CString& strText)
{
    CString strOut;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (unsigned(strText[i]) < 0x80)
            strOut += strText[i];
    }
    return strOut;
}

namespace {

// Where an edit changed the text shown into strText: the part [nFrom, nEnd) of the text shown
// gave way to strText's [nFrom, nInsertEnd).
struct ReplacedPart {
    int nFrom;
    int nEnd;
    int nInsertEnd;
};

// A typed character or a paste puts its text before the caret, and the end of the text shown
// follows the caret; a text set another way replaced all of it.
ReplacedPart FindReplacedPart(const CString& strShown, const CString& strText, int nCaret)
{
    const int nTail = strText.GetLength() - nCaret;
    if (nTail > strShown.GetLength() || strShown.Right(nTail) != strText.Mid(nCaret))
        return {0, strShown.GetLength(), strText.GetLength()};
    ReplacedPart part{0, strShown.GetLength() - nTail, nCaret};
    while (part.nFrom < part.nEnd && part.nFrom < nCaret && strShown[part.nFrom] == strText[part.nFrom])
        ++part.nFrom;
    return part;
}

// Where a position of strText falls once the filter has taken out what stands before it.
int FilteredPosition(const CString& strText, int nPos)
{
    return CNameEdit::Filter(strText.Left(nPos)).GetLength();
}

}  // namespace

void CNameEdit::OnChange(CDialog& page, CString& strShown)
{
    auto* pEdit = dynamic_cast<CEdit*>(page.GetDlgItem(IDC_BLOCK_NAME));
    if (!pEdit)
        return;
    CString strText;
    pEdit->GetWindowText(strText);
    if (CWnd::GetFocus() != pEdit || Filter(strText) == strText) {
        strShown = strText;
        return;
    }
    int nStart = 0, nCaret = 0;
    pEdit->GetSel(nStart, nCaret);
    const ReplacedPart part = FindReplacedPart(strShown, strText, nCaret);
    // The whole text is filtered, never only what was typed: a name read from a file may hold
    // refused characters the box has never filtered. When the edit inserted nothing the box
    // takes, the text it replaced stays, selected as it was.
    const bool bKeepReplaced =
        Filter(strText.Mid(part.nFrom, part.nInsertEnd - part.nFrom)).IsEmpty();
    const CString strBase = bKeepReplaced ? strShown : strText;
    const int nSelStart = FilteredPosition(strBase, bKeepReplaced ? part.nFrom : part.nInsertEnd);
    const int nSelEnd = FilteredPosition(strBase, bKeepReplaced ? part.nEnd : part.nInsertEnd);
    // The text set notifies again; it passes the filter, so that notice only records it.
    strShown = Filter(strBase);
    pEdit->SetWindowText(strShown);
    // Setting the text puts the cursor at the start; the next key would land before what was
    // typed.
    pEdit->SetSel(nSelStart, nSelEnd);
}

void CNameEdit::Enable(CDialog& page, const CVetlaDoc* pDoc, const CString& strName)
{
    if (CWnd* pEdit = page.GetDlgItem(IDC_BLOCK_NAME))
        pEdit->EnableWindow(IsEnabled(pDoc, strName));
}
