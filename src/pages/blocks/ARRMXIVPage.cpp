#include "pages/blocks/ARRMXIVPage.h"

#include "blocks/BlockExtended.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/FunctionTemplates.h"
#include "pages/blocks/PageReferences.h"
#include "pages/controls/FilterEdit.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CARRMXIV, CBlockPage)

static_assert(ARRMXIV_MODE_PARAM == SMC_MODE_PARAM && ARRMXIV_AREA_PARAM == SMC_PINS_PARAM &&
                  ARRMXIV_AREA_PARAM == PTO_PIN_PARAM && ARRMXIV_AREA_PARAM == CRC16_SOURCE_PARAM &&
                  ARRMXIV_COUNT_PARAMEX == PULSE_RATE_PARAMEX && ARRMXIV_FIRST_PARAMEX == CRC16_START_PARAMEX,
              "the page's rows share their words across the types");

namespace {

constexpr int kAreaAQ = 1;
constexpr int kAreaAI = 2;
constexpr UINT kMaxAQ = 31;
constexpr UINT kMaxAI = 63;

// The count a referenced value stands for after OK and after Apply.
constexpr int kMotorCountOnOK = 100;
constexpr int kMotorCountOnApply = 250;

DialogTemplate ARRMXIVTemplate()
{
    DialogTemplate t = ParameterPage(IDD_ARRMXIV, CSize(290, 130));
    AddBlockNameRow(t);
    t.items.push_back(PageLabel(_T("Mode"), CRect(10, 32, 66, 42), UINT(IDC_ARR_MODE_LABEL)));
    t.items.push_back(PageCombo(UINT(IDC_ARR_MODE), CRect(70, 30, 206, 90), {_T("Maximum"), _T("Minimum"), _T("Average")}));
    t.items.push_back(PageCheck(UINT(IDC_REFERENCE), _T("Reference"), CRect(228, 30, 282, 42)));
    t.items.push_back(PageLabel(_T("Data Address"), CRect(10, 50, 66, 60), UINT(IDC_ARR_AREA_LABEL)));
    t.items.push_back(PageCombo(UINT(IDC_ARR_AREA), CRect(70, 48, 116, 100), {_T("AM"), _T("AQ"), _T("AI")}));
    t.items.push_back(PageEdit(UINT(IDC_ARR_ADDRESS), CRect(120, 48, 186, 60)));
    t.items.push_back(PageLabel(_T("Count"), CRect(10, 68, 66, 78), UINT(IDC_ARR_COUNT_LABEL)));
    t.items.push_back(PageEdit(UINT(IDC_ARR_COUNT), CRect(70, 66, 116, 78)));
    // Two lines high: a pulse train's frequency and pulse time break after the frequency.
    t.items.push_back(PageLabel(_T("(60 rpm)"), CRect(120, 66, 224, 84), UINT(IDC_ARR_SPEED_TEXT)));
    t.items.push_back(PageCheck(UINT(IDC_REFERENCE2), _T("Reference"), CRect(228, 66, 282, 78)));
    t.items.push_back(PageLabel(_T("(0.025ms/step)"), CRect(120, 50, 224, 60), UINT(IDC_ARR_STEP_TIME)));
    t.items.push_back(PageLabel(_T("Steps"), CRect(10, 86, 66, 96), UINT(IDC_ARR_STEPS_LABEL)));
    t.items.push_back(PageEdit(UINT(IDC_ARR_STEPS), CRect(70, 84, 186, 96)));
    t.items.push_back(PageCheck(UINT(IDC_PROTECTION), _T("Protection Active"), CRect(10, 106, 120, 118)));
    return t;
}

bool IsMotor(int nType) { return nType == BT_SMC || nType == BT_SMCE; }
bool IsPulseTrain(int nType) { return nType == BT_PTO || nType == BT_PTOE; }
bool IsPulse(int nType) { return IsMotor(nType) || IsPulseTrain(nType); }
// The edge variants count steps or pulses, and their first reference replaces that row.
bool HasSteps(int nType) { return nType == BT_SMCE || nType == BT_PTOE; }
bool HasAddress(int nType) { return nType == BT_ARRMXIV || nType == BT_CRC16; }

struct ARRValues {
    int nType;
    int nMode;
    int nArea;
    int nAddress;
    int nCount;
    int nSteps;
    int nProtection;
    BOOL bUse1;
    int nRef1;
    BOOL bUse2;
    int nRef2;
};

void WriteARR(const ARRValues& v, CBlockObj& block)
{
    block.m_nParam[ARRMXIV_MODE_PARAM] = v.nMode;
    block.m_nParam[ARRMXIV_AREA_PARAM] = v.nArea;
    block.m_nParamEx[ARRMXIV_FIRST_PARAMEX] = v.nAddress;
    block.m_nParamEx[ARRMXIV_COUNT_PARAMEX] = v.nCount;
    block.m_nParamEx[PULSE_LENGTH_PARAMEX] = v.nSteps;
    block.m_nParam[BLOCK_PROTECTION_PARAM] = v.nProtection;
    WriteReference(block, 0, v.bUse1, v.nRef1);
    WriteReference(block, 1, v.bUse2, v.nRef2);
}

// Apply does not run OK's normalisation and puts its own values in place of referenced ones.
void NormalizeForApply(ARRValues& v)
{
    if (v.nType == BT_ARRMXIV || v.nType == BT_ACMXIV) {
        if (v.bUse1)
            v.nMode = 0;
        if (v.bUse2)
            v.nCount = 1;
    } else if (IsPulse(v.nType)) {
        if (v.bUse1)
            v.nSteps = 0;
        if (v.bUse2)
            v.nCount = IsMotor(v.nType) ? kMotorCountOnApply : 0;
    }
}

}  // namespace

CARRMXIV::CARRMXIV(int nType)
    : CBlockPage(IDD_ARRMXIV, nType),
      m_ref1(IDC_REFERENCE, HasSteps(nType) ? IDC_ARR_STEPS : IDC_ARR_MODE, IDC_REFERENCE_COMBO),
      m_ref2(IDC_REFERENCE2, IDC_ARR_COUNT, IDC_REFERENCE_COMBO2)
{
    RegisterPageTemplateOnce(IDD_ARRMXIV, ARRMXIVTemplate);
}

bool CARRMXIV::HasRef1(int nType) { return nType == BT_ARRMXIV || nType == BT_ACMXIV || HasSteps(nType); }

bool CARRMXIV::HasRef2(int nType) { return nType == BT_ARRMXIV || IsPulse(nType); }

UINT CARRMXIV::MaxAddress(int nArea)
{
    if (nArea == kAreaAQ)
        return kMaxAQ;
    if (nArea == kAreaAI)
        return kMaxAI;
    return ARR_MAX_ADDRESS;
}

BOOL CARRMXIV::CountRange(int nType, UINT& nMin, UINT& nMax)
{
    if (nType == BT_ARRMXIV) {
        nMin = 1;
        nMax = 32;
    } else if (nType == BT_CRC16) {
        nMin = 1;
        nMax = 128;
    } else if (IsPulse(nType)) {
        nMin = 0;
        nMax = ARR_MAX_STEPS;
    } else {
        return FALSE;
    }
    return TRUE;
}

CString CARRMXIV::SpeedText(int nType, UINT n, BOOL bEdited)
{
    CString strText;
    if (IsMotor(nType)) {
        if (n == 0)
            strText = _T("(0 rpm)");
        else
            strText.Format(_T("(%.6f rpm)"), 30000.0 / n);
    } else if (n == 0) {
        strText = bEdited ? _T("(0 Hz) [0.02ms/pulse]") : _T("(0 Hz) [0.01ms/pulse]");
    } else {
        strText.Format(_T("(%.6f Hz) [0.02ms/pulse]"), 100000.0 / n);
    }
    return strText;
}

BOOL CARRMXIV::ShowsCurrentValue() const
{
    return m_nType == BT_ARRMXIV || m_nType == BT_ACMXIV || m_nType == BT_CRC16;
}

void CARRMXIV::CopyFromBlock(const CBlockObj& block)
{
    m_nMode = block.m_nParam[ARRMXIV_MODE_PARAM];
    m_nArea = block.m_nParam[ARRMXIV_AREA_PARAM];
    m_nDataAddress = UINT(block.m_nParamEx[ARRMXIV_FIRST_PARAMEX]);
    m_nCount = UINT(block.m_nParamEx[ARRMXIV_COUNT_PARAMEX]);
    m_nSteps = UINT(block.m_nParamEx[PULSE_LENGTH_PARAMEX]);
    m_bProtection = block.m_nParam[BLOCK_PROTECTION_PARAM];
    m_nBlockNumber = block.m_nNumber;
    ReadReference(block, 0, m_ref1);
    ReadReference(block, 1, m_ref2);
}

void CARRMXIV::CopyToBlock(CBlockObj& block) const
{
    WriteARR({m_nType, m_nMode, m_nArea, int(m_nDataAddress), int(m_nCount), int(m_nSteps), m_bProtection,
              m_ref1.m_bUse, m_ref1.m_nBlockNumber, m_ref2.m_bUse, m_ref2.m_nBlockNumber},
             block);
}

void CARRMXIV::AddToApplyRecord(SheetApplyRecord& record)
{
    ARRValues values{m_nType, m_nMode, m_nArea, int(m_nDataAddress), int(m_nCount), int(m_nSteps), m_bProtection,
                     m_ref1.m_bUse, m_ref1.m_nBlockNumber, m_ref2.m_bUse, m_ref2.m_nBlockNumber};
    NormalizeForApply(values);
    record.writers.emplace_back([values](CBlockObj& block) { WriteARR(values, block); });
}

BOOL CARRMXIV::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    // The rows are relabelled first, so that a reference list lies over the row it replaces.
    ShowModeControls();
    if (HasRef1(m_nType)) {
        m_ref1.Create(*this, m_pDocument, m_nBlockNumber);
        EnableReferenceCheck(*this, IDC_REFERENCE, m_pDocument, m_nBlockNumber);
    }
    if (HasRef2(m_nType)) {
        m_ref2.Create(*this, m_pDocument, m_nBlockNumber);
        EnableReferenceCheck(*this, IDC_REFERENCE2, m_pDocument, m_nBlockNumber);
    }
    ShowReferences();
    UINT nMin = 0;
    UINT nMax = 0;
    if (CountRange(m_nType, nMin, nMax))
        m_hints.AddRange(*this, IDC_ARR_COUNT, int(nMin), int(nMax));
    if (HasSteps(m_nType))
        m_hints.AddRange(*this, IDC_ARR_STEPS, 0, int(ARR_MAX_STEPS));
    // The data address's bound follows its area.
    HoldPlainEditToRange(GetDlgItem(IDC_ARR_ADDRESS), 0);
    return TRUE;
}

BOOL CARRMXIV::PreTranslateMessage(MSG* pMsg)
{
    m_hints.Relay(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CARRMXIV::SetText(int nID, LPCTSTR lpszText)
{
    if (CWnd* pControl = GetDlgItem(nID))
        pControl->SetWindowText(lpszText);
}

void CARRMXIV::Show(int nID, BOOL bShow)
{
    if (CWnd* pControl = GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CARRMXIV::FillCombo(int nID, const std::vector<LPCTSTR>& items, int nSelect)
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    pCombo->ResetContent();
    for (LPCTSTR lpszItem : items)
        pCombo->AddString(lpszItem);
    pCombo->SetCurSel(nSelect);
}

void CARRMXIV::ShowModeControls()
{
    const bool bPulse = IsPulse(m_nType);
    if (m_nType == BT_CRC16) {
        SetText(IDC_ARR_MODE_LABEL, _T("Type"));
        FillCombo(IDC_ARR_MODE, {_T("CRC16")}, 0);
        FillCombo(IDC_ARR_AREA, {_T("AM")}, 0);
    } else if (IsMotor(m_nType)) {
        FillCombo(IDC_ARR_MODE, {_T("Half Step(0.9 degree/Step)"), _T("Full Step(1.8 degree/Step)")}, m_nMode);
        FillCombo(IDC_ARR_AREA, {_T("Q0~Q3"), _T("Q4~Q7")}, m_nArea);
        SetText(IDC_ARR_COUNT_LABEL, _T("Speed"));
    } else if (IsPulseTrain(m_nType)) {
        FillCombo(IDC_ARR_AREA, {_T("Q0"), _T("Q1"), _T("Q2"), _T("Q3")}, m_nArea);
        SetText(IDC_ARR_COUNT_LABEL, _T("Pulse Width"));
        SetText(IDC_ARR_STEPS_LABEL, _T("Number"));
    }
    if (bPulse)
        SetText(IDC_ARR_AREA_LABEL, _T("Pin"));
    Show(IDC_ARR_MODE_LABEL, !IsPulseTrain(m_nType));
    Show(IDC_ARR_MODE, !IsPulseTrain(m_nType));
    for (int nID : {IDC_ARR_AREA_LABEL, IDC_ARR_AREA})
        Show(nID, m_nType != BT_ACMXIV);
    Show(IDC_ARR_ADDRESS, HasAddress(m_nType));
    for (int nID : {IDC_ARR_COUNT_LABEL, IDC_ARR_COUNT})
        Show(nID, m_nType != BT_ACMXIV);
    Show(IDC_ARR_SPEED_TEXT, bPulse);
    Show(IDC_ARR_STEP_TIME, IsMotor(m_nType));
    for (int nID : {IDC_ARR_STEPS_LABEL, IDC_ARR_STEPS})
        Show(nID, HasSteps(m_nType));
    Show(IDC_REFERENCE, HasRef1(m_nType));
    Show(IDC_REFERENCE2, HasRef2(m_nType));
    // The edge variants' first reference stands in the Steps row.
    if (HasSteps(m_nType)) {
        CRect rcSteps;
        CRect rcCheck;
        GetDlgItem(IDC_ARR_STEPS)->GetWindowRect(rcSteps);
        GetDlgItem(IDC_REFERENCE)->GetWindowRect(rcCheck);
        ScreenToClient(rcCheck);
        ScreenToClient(rcSteps);
        GetDlgItem(IDC_REFERENCE)->MoveWindow(rcCheck.left, rcSteps.top, rcCheck.Width(), rcCheck.Height());
    }
    if (bPulse)
        UpdateSpeedText(FALSE);
    UpdateStepTime();
}

// A referenced count has no speed to show.
void CARRMXIV::ShowReferences()
{
    if (!IsPulse(m_nType))
        return;
    Show(IDC_ARR_SPEED_TEXT, !m_ref2.m_bUse);
    Show(IDC_ARR_STEP_TIME, IsMotor(m_nType) && !m_ref2.m_bUse);
}

void CARRMXIV::UpdateSpeedText(BOOL bEdited)
{
    long long nValue = 0;
    EditNumber(IDC_ARR_COUNT, nValue);
    SetText(IDC_ARR_SPEED_TEXT, SpeedText(m_nType, UINT(std::max(0LL, nValue)), bEdited));
}

void CARRMXIV::UpdateStepTime()
{
    if (!IsMotor(m_nType))
        return;
    const auto* pMode = static_cast<CComboBox*>(GetDlgItem(IDC_ARR_MODE));
    SetText(IDC_ARR_STEP_TIME, pMode->GetCurSel() == 0 ? _T("(0.005ms/step)") : _T("(0.01ms/step)"));
}

BOOL CARRMXIV::EditNumber(int nID, long long& nValue) const
{
    CString strText;
    if (const CWnd* pEdit = GetDlgItem(nID))
        pEdit->GetWindowText(strText);
    return AfxParseInteger(strText, -(1LL << 40), 1LL << 40, nValue);
}

void CARRMXIV::SetEditNumber(int nID, long long nValue)
{
    CString strText;
    strText.Format(_T("%lld"), nValue);
    SetText(nID, strText);
}

void CARRMXIV::OnUpdateDataAddress()
{
    const auto* pArea = static_cast<CComboBox*>(GetDlgItem(IDC_ARR_AREA));
    const UINT nMax = MaxAddress(m_nType == BT_CRC16 ? 0 : pArea->GetCurSel());
    long long nValue = 0;
    if (EditNumber(IDC_ARR_ADDRESS, nValue) && nValue > nMax)
        SetEditNumber(IDC_ARR_ADDRESS, nMax);
}

void CARRMXIV::OnUpdateCount()
{
    UINT nMin = 0;
    UINT nMax = 0;
    long long nValue = 0;
    if (!CountRange(m_nType, nMin, nMax) || !EditNumber(IDC_ARR_COUNT, nValue))
        return;
    if (nValue < nMin)
        SetEditNumber(IDC_ARR_COUNT, nMin);
    else if (nValue > nMax)
        SetEditNumber(IDC_ARR_COUNT, nMax);
}

void CARRMXIV::OnUpdateSteps()
{
    long long nValue = 0;
    if (!HasSteps(m_nType) || !EditNumber(IDC_ARR_STEPS, nValue))
        return;
    if (nValue < 0)
        SetEditNumber(IDC_ARR_STEPS, 0);
    else if (nValue > ARR_MAX_STEPS)
        SetEditNumber(IDC_ARR_STEPS, ARR_MAX_STEPS);
}

void CARRMXIV::OnReference(CReferenceRow& row)
{
    row.OnCheckClicked(*this);
    row.ReadChoice();
    ShowReferences();
}

void CARRMXIV::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    // A row the type hides, or a reference stands in for, is not read back: its word keeps
    // what the block holds, and a value the user cannot see never refuses OK.
    const bool bSaving = pDX->m_bSaveAndValidate;
    ExchangeChoice(pDX, IDC_ARR_MODE, m_nMode);
    if (HasAddress(m_nType)) {
        DDX_Text(pDX, IDC_ARR_ADDRESS, m_nDataAddress);
        DDV_MinMaxUInt(pDX, m_nDataAddress, 0, ARR_MAX_ADDRESS);
    }
    if (m_nType != BT_ACMXIV && !(m_ref2.m_bUse && bSaving))
        DDX_Text(pDX, IDC_ARR_COUNT, m_nCount);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    ExchangeChoice(pDX, IDC_ARR_AREA, m_nArea);
    if (HasSteps(m_nType) && !(m_ref1.m_bUse && bSaving)) {
        DDX_Text(pDX, IDC_ARR_STEPS, m_nSteps);
        DDV_MinMaxUInt(pDX, m_nSteps, 0, ARR_MAX_STEPS);
    }
    if (pDX->m_bSaveAndValidate) {
        m_ref1.ReadChoice();
        m_ref2.ReadChoice();
    }
}

void CARRMXIV::OnOK()
{
    if (m_ref1.m_bUse) {
        if (m_nType != BT_SMCE)
            m_nMode = 0;
    } else {
        m_ref1.m_nBlockNumber = -1;
    }
    if (m_ref2.m_bUse)
        m_nCount = IsPulseTrain(m_nType) ? 0 : IsMotor(m_nType) ? kMotorCountOnOK : 1;
    else
        m_ref2.m_nBlockNumber = -1;
    CBlockPage::OnOK();
}

BOOL CARRMXIV::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    bool bChange = true;
    if (nCode == EN_UPDATE && nID == IDC_ARR_ADDRESS)
        OnUpdateDataAddress();
    else if (nCode == EN_UPDATE && nID == IDC_ARR_COUNT)
        OnUpdateCount();
    else if (nCode == EN_UPDATE && nID == IDC_ARR_STEPS)
        OnUpdateSteps();
    else if (nCode == EN_CHANGE && nID == IDC_ARR_COUNT && IsPulse(m_nType))
        UpdateSpeedText(TRUE);
    else if (nCode == CBN_SELCHANGE && nID == IDC_ARR_AREA)
        OnUpdateDataAddress();
    else if (nCode == CBN_SELCHANGE && nID == IDC_ARR_MODE)
        UpdateStepTime();
    else if (nCode == BN_CLICKED && nID == IDC_REFERENCE)
        OnReference(m_ref1);
    else if (nCode == BN_CLICKED && nID == IDC_REFERENCE2)
        OnReference(m_ref2);
    else if (nCode == CBN_SELCHANGE && nID == IDC_REFERENCE_COMBO)
        m_ref1.ReadChoice();
    else if (nCode == CBN_SELCHANGE && nID == IDC_REFERENCE_COMBO2)
        m_ref2.ReadChoice();
    else
        bChange = (nCode == EN_CHANGE && (nID == IDC_ARR_ADDRESS || nID == IDC_ARR_COUNT || nID == IDC_ARR_STEPS)) ||
                  (nCode == BN_CLICKED && nID == IDC_PROTECTION);
    if (bChange && nCode != EN_UPDATE)
        SetModified(TRUE);
    return CBlockPage::OnCommand(wParam, lParam);
}
