#include "pages/program/Parameter.h"

#include "document/VetlaDoc.h"
#include "pages/program/AnalogOutputDlgs.h"
#include "pages/program/ProgramPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CParameter, CProgramPage)

namespace {

constexpr LPCTSTR kLetters = _T("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
constexpr LPCTSTR kLettersAndDigits = _T("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

// What the older controllers lack: the analog outputs' STOP settings and the AI ranges.
constexpr int kAnalogControls[] = {IDC_AQ_STOP_GROUP, IDC_AQ_RANGE_GROUP,    IDC_AI_RANGE_GROUP,
                                   IDC_KEEP_AQ_VALUES, IDC_FIXED_VALUE_BUTTON, IDC_VALUE_RANGE_BUTTON,
                                   IDC_AI0_LABEL,      IDC_AI0_RANGE,          IDC_AI1_LABEL,
                                   IDC_AI1_RANGE};

constexpr ControlTextKey kChineseTexts[] = {
    {IDC_REDUNDANCY_GROUP, IDC_REDUNDANCY_GROUP},
    {IDC_REDUNDANCY_LABEL, IDC_REDUNDANCY_LABEL},
    {IDC_SYNC_TIME_LABEL, IDC_SYNC_TIME_LABEL},
    {IDC_SYNC_UNIT, TEXT_KEY_SYNC_UNIT},
    {IDC_NAME_PASSWORD_GROUP, IDC_NAME_PASSWORD_GROUP},
    {IDC_PROGRAM_NAME_LABEL, IDC_PROGRAM_NAME_LABEL},
    {IDC_CURRENT_PASSWORD_LABEL, IDC_CURRENT_PASSWORD_LABEL},
    {IDC_NEW_PASSWORD_LABEL, IDC_NEW_PASSWORD_LABEL},
    {IDC_REPEAT_PASSWORD_LABEL, IDC_REPEAT_PASSWORD_LABEL},
};

constexpr int kPasswordEdits[] = {IDC_CURRENT_PASSWORD, IDC_NEW_PASSWORD, IDC_REPEAT_PASSWORD};

CString EditText(const CWnd& page, int nID)
{
    CString strText;
    if (CWnd* pEdit = page.GetDlgItem(nID))
        pEdit->GetWindowText(strText);
    return strText;
}

}  // namespace

CParameter::CParameter() : CProgramPage(IDD_PARAMETER) {}

BOOL CParameter::OnInitDialog()
{
    CProgramPage::OnInitDialog();
    const bool bNewer = IsNewGeneration();
    ShowAnalogControls(bNewer);
    if (bNewer) {
        auto* pKeep = static_cast<CButton*>(GetDlgItem(IDC_KEEP_AQ_VALUES));
        pKeep->SetCheck(m_bKeepAqValues ? BST_CHECKED : BST_UNCHECKED);
        EnableControl(IDC_FIXED_VALUE_BUTTON, !m_bKeepAqValues);
    }
    InitPasswordEdits();
    m_tips.Set(*this, IDC_NEW_PASSWORD, _T("Letters form A to Z."));
    m_tips.Set(*this, IDC_REPEAT_PASSWORD, _T("Letters form A to Z."));
    m_tips.SetRange(*this, IDC_SYNC_TIME, SYNC_TIME_MIN, SYNC_TIME_MAX);
    TranslateControls(*this, kChineseTexts);
    return TRUE;
}

void CParameter::ShowAnalogControls(bool bShow)
{
    for (int nID : kAnalogControls)
        ShowControl(nID, bShow);
}

void CParameter::InitPasswordEdits()
{
    for (int nID : kPasswordEdits) {
        if (auto* pEdit = static_cast<CEdit*>(GetDlgItem(nID)))
            pEdit->SetLimitText(PASSWORD_MAX);
    }
    SetDlgItemText(IDC_CURRENT_PASSWORD, _T(""));
    const bool bHasPassword = !m_strStoredPassword.IsEmpty();
    if (!bHasPassword)
        m_strCurrentPassword.Empty();
    EnableControl(IDC_CURRENT_PASSWORD_LABEL, bHasPassword);
    EnableControl(IDC_CURRENT_PASSWORD, bHasPassword);
}

void CParameter::DoDataExchange(CDataExchange* pDX)
{
    CProgramPage::DoDataExchange(pDX);
    ExchangeChoice(pDX, IDC_REDUNDANCY, m_nRedundancy);
    DDX_Text(pDX, IDC_SYNC_TIME, m_nSyncTime);
    DDV_MinMaxInt(pDX, m_nSyncTime, SYNC_TIME_MIN, SYNC_TIME_MAX);
    DDX_Text(pDX, IDC_CURRENT_PASSWORD, m_strCurrentPassword);
    DDX_Text(pDX, IDC_PROGRAM_NAME, m_strProgramName);
    DDV_MaxChars(pDX, m_strProgramName, PROGRAM_NAME_MAX);
    DDX_Text(pDX, IDC_NEW_PASSWORD, m_strNewPassword);
    DDX_Text(pDX, IDC_REPEAT_PASSWORD, m_strRepeatPassword);
    ExchangeChoice(pDX, IDC_AI0_RANGE, m_nAiRangeType[0]);
    ExchangeChoice(pDX, IDC_AI1_RANGE, m_nAiRangeType[1]);
    ValidatePasswords(pDX);
}

void CParameter::ValidatePasswords(CDataExchange* pDX)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    const CString strCurrent = EditText(*this, IDC_CURRENT_PASSWORD);
    const CString strNew = EditText(*this, IDC_NEW_PASSWORD);
    if ((!strCurrent.IsEmpty() || !strNew.IsEmpty()) && strCurrent != m_strStoredPassword) {
        AfxMessageBox(PARAMETER_OLD_PASSWORD_WRONG, MB_ICONSTOP);
        pDX->Fail();
    }
    if (strNew != EditText(*this, IDC_REPEAT_PASSWORD)) {
        AfxMessageBox(PARAMETER_PASSWORDS_DIFFER, MB_ICONSTOP);
        pDX->Fail();
    }
}

void CParameter::KeepAllowedCharacters(int nID, LPCTSTR lpszAllowed, LPCTSTR lpszMessage)
{
    const CString strText = EditText(*this, nID);
    const int nBad = strText.SpanIncluding(lpszAllowed).GetLength();
    if (nBad >= strText.GetLength())
        return;
    SetDlgItemText(nID, strText.Left(nBad));
    AfxMessageBox(lpszMessage, MB_ICONINFORMATION);
}

BOOL CParameter::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const UINT nCode = HIWORD(DWORD(wParam));
    if (nCode == EN_CHANGE && (nID == IDC_NEW_PASSWORD || nID == IDC_REPEAT_PASSWORD || nID == IDC_CURRENT_PASSWORD)) {
        KeepAllowedCharacters(nID, kLetters, PARAMETER_PASSWORD_LETTERS);
        return TRUE;
    }
    if (nCode == EN_CHANGE && nID == IDC_PROGRAM_NAME) {
        KeepAllowedCharacters(nID, kLettersAndDigits, PARAMETER_NAME_CHARACTERS);
        return TRUE;
    }
    if (nCode == BN_CLICKED) {
        switch (nID) {
        case IDC_KEEP_AQ_VALUES:
            OnKeepLastValues();
            return TRUE;
        case IDC_FIXED_VALUE_BUTTON:
            OnFixedValue();
            return TRUE;
        case IDC_VALUE_RANGE_BUTTON:
            OnValueRangeType();
            return TRUE;
        default:
            break;
        }
    }
    return CProgramPage::OnCommand(wParam, lParam);
}

void CParameter::OnKeepLastValues()
{
    const auto* pKeep = static_cast<CButton*>(GetDlgItem(IDC_KEEP_AQ_VALUES));
    EnableControl(IDC_FIXED_VALUE_BUTTON, pKeep->GetCheck() != BST_CHECKED);
}

void CParameter::OnFixedValue()
{
    CFixedValueDlg dlg(m_dAqFixedValue, this);
    if (dlg.DoModal() == IDOK)
        WriteAnalogOutputs();
}

void CParameter::OnValueRangeType()
{
    CValueRangeTypeDlg dlg(m_byAqRangeType, this);
    if (dlg.DoModal() == IDOK)
        WriteAnalogOutputs();
}

// What the two dialogs confirmed is the document's at once, whichever button later closes the
// sheet: it is marked changed and kept for Undo like any other edit.
void CParameter::WriteAnalogOutputs()
{
    CVetlaDoc* pDoc = EditedDocument();
    if (!pDoc)
        return;
    AnalogSettings& analog = pDoc->m_settings.analog;
    if (std::ranges::equal(analog.dAqFixedValue, m_dAqFixedValue) &&
        std::ranges::equal(analog.byAqRangeType, m_byAqRangeType))
        return;
    std::ranges::copy(m_dAqFixedValue, analog.dAqFixedValue);
    std::ranges::copy(m_byAqRangeType, analog.byAqRangeType);
    pDoc->SetModifiedFlag(TRUE);
    pDoc->m_undo.SaveState(pDoc);
}

void CParameter::OnOK()
{
    if (IsNewGeneration()) {
        // A file's flag other than 0 or 1 shows as ticked and stays until the box is changed.
        const bool bKeep = static_cast<CButton*>(GetDlgItem(IDC_KEEP_AQ_VALUES))->GetCheck() == BST_CHECKED;
        if (bKeep != (m_bKeepAqValues != 0))
            m_bKeepAqValues = bKeep;
    }
    const bool bChanging = !m_strCurrentPassword.IsEmpty() || !m_strNewPassword.IsEmpty();
    m_strCurrentPassword = bChanging ? m_strNewPassword : m_strStoredPassword;
    SetDlgItemText(IDC_NEW_PASSWORD, _T(""));
    SetDlgItemText(IDC_REPEAT_PASSWORD, _T(""));
    CProgramPage::OnOK();
}
