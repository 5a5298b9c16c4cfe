#include "pages/blocks/SetCoilStateDlg.h"

#include "blocks/WordBit.h"
#include "pages/blocks/MiscBlockIds.h"
#include "pages/blocks/MiscBlockTemplates.h"
#include "pages/controls/HexTextEdit.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSetCoilStateDlg, CDialog)

namespace {

constexpr int kWordBits = 16;
constexpr int kSingleCoilCommand = 0;

}  // namespace

CSetCoilStateDlg::CSetCoilStateDlg(CWnd* pParent) : CDialog(IDD_SET_COIL_STATE, pParent)
{
    RegisterMiscBlockTemplates();
}

int CSetCoilStateDlg::CoilsWritten() const
{
    return m_nCommand == kSingleCoilCommand ? 1 : std::clamp(m_nCount, 1, COIL_BOXES);
}

BOOL CSetCoilStateDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int b = CoilsWritten(); b < COIL_BOXES; ++b)
        GetDlgItem(IDC_COIL_FIRST + b)->EnableWindow(FALSE);
    CheckWord(m_strData, IDC_COIL_FIRST);
    CheckWord(m_strData2, IDC_COIL_FIRST + kWordBits);
    return TRUE;
}

void CSetCoilStateDlg::CheckWord(const CString& strWord, int nFirstBox)
{
    int nWord = 0;
    // A text that is no hexadecimal word shows no coil set.
    if (!ParseHexDigits(strWord, 4, nWord))
        nWord = 0;
    for (int b = 0; b < kWordBits; ++b)
        CheckDlgButton(nFirstBox + b, GetWordBit(WORD(nWord), b));
}

CString CSetCoilStateDlg::FoldWord(int nFirstBox, int nEndBox) const
{
    WORD wWord = 0;
    for (int nBox = nFirstBox; nBox < nEndBox && nBox < nFirstBox + kWordBits; ++nBox) {
        if (IsDlgButtonChecked(nBox))
            wWord = WORD(wWord | (1u << (nBox - nFirstBox)));
    }
    CString str;
    str.Format(_T("%X"), wWord);
    return str;
}

void CSetCoilStateDlg::OnOK()
{
    const int nEndBox = IDC_COIL_FIRST + CoilsWritten();
    m_strData = FoldWord(IDC_COIL_FIRST, nEndBox);
    m_strData2 = FoldWord(IDC_COIL_FIRST + kWordBits, nEndBox);
    CDialog::OnOK();
}
