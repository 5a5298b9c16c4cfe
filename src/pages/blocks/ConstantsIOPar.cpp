#include "pages/blocks/ConstantsIOPar.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/IoOperands.h"
#include "pages/blocks/IoPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CConstantsIOPar, CBlockPage)

namespace {

// Only inputs I0 .. I3 of the main unit count fast pulses.
constexpr int kLastHighSpeedInput = 3;
// The analog outputs' settings are the third page of the program's Properties.
constexpr int kAnalogOutputsPropertiesPage = 2;

}  // namespace

CConstantsIOPar::CConstantsIOPar(int nType) : CBlockPage(IDD_CONSTANTS_IO_PAR, nType), m_pKind(FindIoOperandKind(nType))
{
    RegisterIoPageTemplates();
    if (!m_pKind || !m_pKind->IsModular())
        m_pKind = FindIoOperandKind(BT_IN);
}

BOOL CConstantsIOPar::IsNewGeneration() const { return !m_pDocument || m_pDocument->IsNewGenerationDoc(); }

CComboBox* CConstantsIOPar::Combo(int nID) const { return static_cast<CComboBox*>(GetDlgItem(nID)); }

CString CConstantsIOPar::SelectedText(int nID) const
{
    CString str;
    CComboBox* pCombo = Combo(nID);
    if (pCombo && pCombo->GetCurSel() >= 0)
        pCombo->GetLBText(pCombo->GetCurSel(), str);
    return str;
}

BOOL CConstantsIOPar::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    if (CWnd* pHighSpeed = GetDlgItem(IDC_IO_HIGH_SPEED))
        pHighSpeed->ShowWindow(m_nType == BT_IN ? SW_SHOW : SW_HIDE);
    const ControlTextKey highSpeed = {IDC_IO_HIGH_SPEED, TEXT_KEY_HIGH_SPEED};
    TranslateControls(*this, {&highSpeed, 1});
    CString strText = m_pKind->lpszLabel;
    if (IsChinesePageUI())
        LookupPageText(m_pKind->nLabelKey, strText);
    SetDlgItemText(IDC_IO_NUMBER_LABEL, strText);
    if (IsChinesePageUI() && LookupPageText(TEXT_KEY_UNIT_LABEL, strText))
        SetDlgItemText(IDC_IO_UNIT_LABEL, strText);
    BuildUsage();
    FillUnits();
    const int nOwnUnit = m_nIONumber >= 0 && m_nIONumber < m_pKind->Count() ? m_nIONumber / m_pKind->nPerUnit : 0;
    FillNumbers(nOwnUnit, CString());
    UpdateHighSpeed();
    const BOOL bAnalogOutputButtons = m_nType == BT_ANALOG_OUT && IsNewGeneration();
    for (int nID : {IDC_IO_STOP_BEHAVIOUR, IDC_IO_RANGE_TYPE}) {
        if (CWnd* pButton = GetDlgItem(nID))
            pButton->ShowWindow(bAnalogOutputButtons ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

// The lists are filled after the exchange has run, so the texts are only read back.
void CConstantsIOPar::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate) {
        DDX_CBString(pDX, IDC_IO_UNIT, m_strUnit);
        DDX_CBString(pDX, IDC_IO_NUMBER, m_strNumber);
    }
    DDX_Check(pDX, IDC_IO_HIGH_SPEED, m_bHighSpeed);
}

void CConstantsIOPar::BuildUsage()
{
    m_usage.clear();
    if (m_pDocument)
        m_usage = BuildIoUsage(*m_pDocument, *m_pKind, m_nIONumber);
}

// A unit is offered while it has an operand this generation shows that no other block uses.
void CConstantsIOPar::FillUnits()
{
    CComboBox* pUnits = Combo(IDC_IO_UNIT);
    if (!pUnits)
        return;
    pUnits->ResetContent();
    const BOOL bNew = IsNewGeneration();
    for (int u = 0; u < m_pKind->nUnits && !m_usage.empty(); ++u) {
        for (int n = 0; n < m_pKind->nPerUnit; ++n) {
            const int nIndex = u * m_pKind->nPerUnit + n;
            if (m_pKind->IsOffered(nIndex, bNew) && m_usage[size_t(nIndex)] != IoUsage::Taken) {
                pUnits->AddString(IoUnitName(u));
                break;
            }
        }
    }
    pUnits->SetCurSel(pUnits->FindStringExact(-1, m_strUnit));
}

void CConstantsIOPar::FillNumbers(int nUnit, const CString& strSelect)
{
    CComboBox* pNumbers = Combo(IDC_IO_NUMBER);
    if (!pNumbers)
        return;
    pNumbers->ResetContent();
    const BOOL bNew = IsNewGeneration();
    int nSelect = -1;
    for (int n = 0; n < m_pKind->nPerUnit && !m_usage.empty(); ++n) {
        const int nIndex = nUnit * m_pKind->nPerUnit + n;
        if (!m_pKind->IsOffered(nIndex, bNew) || m_usage[size_t(nIndex)] == IoUsage::Taken)
            continue;
        const int nItem = pNumbers->AddString(IoOperandText(*m_pKind, nIndex));
        if (m_usage[size_t(nIndex)] == IoUsage::Own && strSelect.IsEmpty())
            nSelect = nItem;
    }
    if (!strSelect.IsEmpty()) {
        nSelect = pNumbers->FindStringExact(-1, strSelect);
        if (nSelect < 0 && pNumbers->GetCount() > 0)
            nSelect = 0;
    }
    pNumbers->SetCurSel(nSelect);
}

void CConstantsIOPar::OnUnitChange()
{
    const CString strPrevious = SelectedText(IDC_IO_NUMBER);
    BuildUsage();
    const int nUnit = FindIoUnit(SelectedText(IDC_IO_UNIT));
    FillNumbers(nUnit < 0 ? 0 : nUnit, strPrevious.IsEmpty() ? CString(_T(" ")) : strPrevious);
    UpdateHighSpeed();
    SetModified(TRUE);
}

void CConstantsIOPar::UpdateHighSpeed()
{
    CWnd* pHighSpeed = GetDlgItem(IDC_IO_HIGH_SPEED);
    if (m_nType != BT_IN || !pHighSpeed)
        return;
    const int nIndex = SelectedOperand();
    const BOOL bShown = SelectedText(IDC_IO_UNIT).CompareNoCase(_T("Main")) == 0 && nIndex >= 0 &&
                        nIndex <= kLastHighSpeedInput;
    pHighSpeed->ShowWindow(bShown ? SW_SHOW : SW_HIDE);
}

int CConstantsIOPar::SelectedOperand() const
{
    return ParseIoOperand(*m_pKind, SelectedText(IDC_IO_NUMBER), SelectedText(IDC_IO_UNIT)).value_or(-1);
}

void CConstantsIOPar::UpdateIONumber()
{
    if (const int nIndex = SelectedOperand(); nIndex >= 0)
        m_nIONumber = nIndex;
}

// The list leaves out the numbers other blocks use, so a list position says nothing of the
// operand: the high-speed attribute goes by the operand the texts name.
void CConstantsIOPar::OnOK()
{
    if (m_nType == BT_IN) {
        const int nIndex = ParseIoOperand(*m_pKind, m_strNumber, m_strUnit).value_or(m_nIONumber);
        if (nIndex > kLastHighSpeedInput)
            m_bHighSpeed = 0;
    }
    CBlockPage::OnOK();
}

BOOL CConstantsIOPar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_IO_UNIT && nCode == CBN_SELCHANGE) {
        OnUnitChange();
        return TRUE;
    }
    if (nID == IDC_IO_NUMBER && nCode == CBN_SELCHANGE) {
        UpdateHighSpeed();
        SetModified(TRUE);
        return TRUE;
    }
    if (nID == IDC_IO_HIGH_SPEED && nCode == BN_CLICKED)
        SetModified(TRUE);
    if ((nID == IDC_IO_STOP_BEHAVIOUR || nID == IDC_IO_RANGE_TYPE) && nCode == BN_CLICKED) {
        OpenProgramProperties(kAnalogOutputsPropertiesPage);
        return TRUE;
    }
    return CBlockPage::OnCommand(wParam, lParam);
}
