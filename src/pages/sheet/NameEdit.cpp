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

void CNameEdit::OnChange(CDialog& page)
{
    auto* pEdit = dynamic_cast<CEdit*>(page.GetDlgItem(IDC_BLOCK_NAME));
    if (!pEdit || CWnd::GetFocus() != pEdit)
        return;
    CString strText;
    pEdit->GetWindowText(strText);
    const CString strFiltered = Filter(strText);
    if (strFiltered == strText)
        return;
    // Setting the text puts the cursor at the start; the next key would land before what was
    // typed. The cursor goes back where it stood, less the characters taken out before it.
    int nStart = 0, nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    const int nCaret = Filter(strText.Left(nEnd)).GetLength();
    pEdit->SetWindowText(strFiltered);
    pEdit->SetSel(nCaret, nCaret);
}

void CNameEdit::Enable(CDialog& page, const CVetlaDoc* pDoc, const CString& strName)
{
    if (CWnd* pEdit = page.GetDlgItem(IDC_BLOCK_NAME))
        pEdit->EnableWindow(IsEnabled(pDoc, strName));
}
