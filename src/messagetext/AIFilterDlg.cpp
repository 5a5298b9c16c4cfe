#include "messagetext/AIFilterDlg.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "messagetext/DialogTexts.h"
#include "messagetext/MessageTextIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/ComboBox.h"

IMPLEMENT_DYNAMIC(CAIFilterDlg, CDialog)

namespace {

constexpr int kFirstAI = 4000;
constexpr int kLastAI = 4127;
constexpr int kFirstAM = 4288;
constexpr int kLastAM = 4799;
constexpr int kInputsPerModule = 8;
// The Chinese interface's texts of the language mode: its caption, and the entry for Chinese.
constexpr WORD kLanguageTextKey = 32852;
constexpr WORD kChineseEntryKey = 183;

// The number after a prefix, all digits; -1 otherwise.
int DigitsAfter(const CString& strEntry, LPCTSTR lpszPrefix, int& nDigits)
{
    const CString strPrefix(lpszPrefix);
    if (strEntry.Left(strPrefix.GetLength()) != strPrefix || strEntry.GetLength() == strPrefix.GetLength())
        return -1;
    int nValue = 0;
    nDigits = 0;
    for (int i = strPrefix.GetLength(); i < strEntry.GetLength(); ++i, ++nDigits) {
        const TCHAR ch = strEntry.GetAt(i);
        if (ch < _T('0') || ch > _T('9') || nDigits > 6)
            return -1;
        nValue = nValue * 10 + (ch - _T('0'));
    }
    return nValue;
}

// The analog numbers of the program: blocks of the type in a diagram, operands of the range in
// a ladder program (one per element, repeated operands repeated).
template <class TFn>
void ForEachAnalog(const CVetlaDoc& doc, int nMode, TFn fn)
{
    const int nType = nMode == AIFILTER_MODE_AI ? BT_ANALOG_IN : BT_ANALOG_FLAG;
    const int nFirst = nMode == AIFILTER_MODE_AI ? kFirstAI : kFirstAM;
    const int nLast = nMode == AIFILTER_MODE_AI ? kLastAI : kLastAM;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (doc.IsLadder()) {
            if (pBlock->m_nOperand >= nFirst && pBlock->m_nOperand <= nLast)
                fn(pBlock->m_nOperand);
        } else if (pBlock->m_nType == nType) {
            fn(pBlock->m_nNumber);
        }
    }
}

}  // namespace

CString AnalogInputEntry(int nNumber)
{
    CString str;
    str.Format(_T("AI%d%02d"), (nNumber - kFirstAI) / kInputsPerModule, (nNumber - kFirstAI) % kInputsPerModule);
    return str;
}

CString AnalogFlagEntry(int nNumber)
{
    CString str;
    str.Format(_T("AM%03d"), nNumber - kFirstAM);
    return str;
}

int AnalogInputNumber(const CString& strEntry)
{
    int nDigits = 0;
    const int nValue = DigitsAfter(strEntry, _T("AI"), nDigits);
    if (nValue < 0 || nDigits < 2)
        return -1;
    return kFirstAI + kInputsPerModule * (nValue / 100) + nValue % 100;
}

int AnalogFlagNumber(const CString& strEntry)
{
    int nDigits = 0;
    const int nValue = DigitsAfter(strEntry, _T("AM"), nDigits);
    return nValue < 0 ? -1 : kFirstAM + nValue;
}

bool HasAnalogInput(const CVetlaDoc* pDoc, int nMode)
{
    bool bFound = false;
    if (pDoc)
        ForEachAnalog(*pDoc, nMode, [&](int) { bFound = true; });
    return bFound;
}

CAIFilterDlg::CAIFilterDlg(CVetlaDoc* pDoc, CWnd* pParent) : CDialog(IDD_AI_FILTER, pParent), m_pDoc(pDoc)
{
    RegisterMessageTextTemplates();
}

BOOL CAIFilterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    TranslateDialogButtons(*this);
    if (m_nMode == AIFILTER_MODE_LANGUAGE) {
        FillLanguages();
        return TRUE;
    }
    if (m_nMode == AIFILTER_MODE_AM)
        SetWindowText(_T("AM filter"));
    FillAnalogEntries();
    return TRUE;
}

void CAIFilterDlg::FillLanguages()
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_AIF_LIST));
    pList->ResetContent();
    pList->AddString(_T("English"));
    CString strCaption = _T("Language");
    CString strChinese = _T("Simple Chinese");
    if (IsChinesePageUI()) {
        LookupPageText(kLanguageTextKey, strCaption);
        LookupPageText(kChineseEntryKey, strChinese);
    }
    SetWindowText(strCaption);
    SetDlgItemText(IDC_AIF_LABEL, strCaption);
    pList->AddString(strChinese);
    pList->SetCurSel(m_nLanguageChoice);
}

void CAIFilterDlg::FillAnalogEntries()
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_AIF_LIST));
    pList->ResetContent();
    if (!m_pDoc)
        return;
    const bool bInputs = m_nMode == AIFILTER_MODE_AI;
    ForEachAnalog(*m_pDoc, m_nMode, [&](int nNumber) {
        const CString strEntry = bInputs ? AnalogInputEntry(nNumber) : AnalogFlagEntry(nNumber);
        // A ladder program names an input in many contacts; the list names it once.
        if (!bInputs || !m_pDoc->IsLadder() || pList->FindStringExact(-1, strEntry) < 0)
            pList->AddString(strEntry);
    });
    pList->SetCurSel(0);
}

// An empty list leaves the number as it was.
void CAIFilterDlg::OnOK()
{
    const auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_AIF_LIST));
    const int nSel = pList->GetCurSel();
    if (m_nMode == AIFILTER_MODE_LANGUAGE) {
        if (nSel >= 0 && nSel != m_nLanguageChoice) {
            AfxMessageBox(_T("Chages are not applied until restart of the progam."), MB_ICONINFORMATION);
            m_nLanguageChoice = nSel;
        }
    } else if (nSel >= 0) {
        CString strEntry;
        pList->GetLBText(nSel, strEntry);
        m_nSelNumber = m_nMode == AIFILTER_MODE_AI ? AnalogInputNumber(strEntry) : AnalogFlagNumber(strEntry);
    }
    CDialog::OnOK();
}
