#include "pages/blocks/Simulation.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/IoPageIds.h"
#include "document/AnalogRanges.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSimulation, CBlockPage)

namespace {

constexpr int kDigitalMax = 9999;
constexpr int kAnalogLimit = 32767;
constexpr int kDigitalDigits = 4;
constexpr int kAnalogDigits = 5;
// Without the radio buttons the analog value rows move up into their room.
constexpr int kAnalogShift = 60;

constexpr int kModeButtons[] = {IDC_SIM_SWITCH, IDC_SIM_PUSH_MAKE, IDC_SIM_PUSH_BREAK, IDC_SIM_FREQUENCY};
constexpr int kValueRowControls[] = {IDC_SIM_AUTO_RANGE, IDC_SIM_VALUE_LABEL, IDC_SIM_MIN_LABEL, IDC_SIM_MAX_LABEL,
                                     IDC_SIM_VALUE, IDC_SIM_VALUE_SPIN, IDC_SIM_VALUE_I, IDC_SIM_MIN, IDC_SIM_MIN_SPIN,
                                     IDC_SIM_MIN_I, IDC_SIM_MAX, IDC_SIM_MAX_SPIN, IDC_SIM_MAX_I};
// The controls whose caption the Chinese interface replaces, each under its own id.
constexpr int kTranslated[] = {IDC_SIM_SWITCH, IDC_SIM_PUSH_MAKE,   IDC_SIM_PUSH_BREAK, IDC_SIM_FREQUENCY,
                               IDC_SIM_AUTO_RANGE, IDC_SIM_VALUE_LABEL, IDC_SIM_MIN_LABEL, IDC_SIM_MAX_LABEL};

CString RangeText(int nLow, int nHigh)
{
    CString str;
    str.Format(_T("Number between %d and %d"), nLow, nHigh);
    return str;
}

}  // namespace

CSimulation::CSimulation(int nType) : CBlockPage(IDD_SIMULATION, nType) { RegisterIoPageTemplates(); }

CBlockPage* CreateSimulationPage(int nType) { return new CSimulation(nType); }

BOOL CSimulation::IsAnalog() const { return m_nType == BT_ANALOG_IN || m_nType == BT_ACONTACT; }

void CSimulation::SetValues(const SimInputValues& values)
{
    m_bAutoRange = values.nAuto;
    m_nCurrent = values.nValue;
    m_nMin = values.nMin;
    m_nMax = values.nMax;
    m_nMode = values.nKind;
}

void CSimulation::ShowValues(const SimInputValues& values)
{
    SetValues(values);
    if (!IsWindow(this))
        return;
    m_bFilling = TRUE;
    SetDlgItemInt(IDC_SIM_VALUE, UINT(m_nCurrent), TRUE);
    SetDlgItemInt(IDC_SIM_MIN, UINT(m_nMin), TRUE);
    SetDlgItemInt(IDC_SIM_MAX, UINT(m_nMax), TRUE);
    m_bFilling = FALSE;
    m_bValueChanged = 0;
}

BOOL CSimulation::OnInitDialog()
{
    // The edits take their rules before the values go in: they filter text set by the program.
    for (CIntegerEdit* pEdit : {&m_editValue, &m_editMin, &m_editMax}) {
        pEdit->SetMaxWholeDigits(IsAnalog() ? kAnalogDigits : kDigitalDigits);
        pEdit->AllowNegative(IsAnalog());
    }
    m_editValue.SubclassDlgItem(IDC_SIM_VALUE, this);
    m_editMin.SubclassDlgItem(IDC_SIM_MIN, this);
    m_editMax.SubclassDlgItem(IDC_SIM_MAX, this);
    m_bFilling = TRUE;
    CBlockPage::OnInitDialog();
    m_bFilling = FALSE;
    m_bValueChanged = 0;
    if (IsAnalog())
        SetUpAnalog();
    else
        SetUpDigital();
    if (IsChinesePageUI()) {
        CString strText;
        for (int nID : kTranslated) {
            if (LookupPageText(WORD(nID), strText))
                SetDlgItemText(nID, strText);
        }
    }
    return TRUE;
}

void CSimulation::SetUpDigital()
{
    for (int nID : {IDC_SIM_VALUE_SPIN, IDC_SIM_MIN_SPIN, IDC_SIM_MAX_SPIN}) {
        if (auto* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(nID)))
            pSpin->SetRange32(0, kDigitalMax);
    }
    UpdateModeButtons();
    UpdateRangeControls(m_bAutoRange);
    SetUpToolTips(0, kDigitalMax);
}

void CSimulation::SetUpAnalog()
{
    for (int nID : {IDC_SIM_VALUE_SPIN, IDC_SIM_MIN_SPIN, IDC_SIM_MAX_SPIN}) {
        if (auto* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(nID)))
            pSpin->SetRange32(-kAnalogLimit, kAnalogLimit);
    }
    for (int nID : kModeButtons) {
        if (CWnd* pButton = GetDlgItem(nID))
            pButton->ShowWindow(SW_HIDE);
    }
    for (int nID : kValueRowControls) {
        CWnd* pControl = GetDlgItem(nID);
        if (!pControl)
            continue;
        CRect rect;
        pControl->GetWindowRect(rect);
        ScreenToClient(rect);
        pControl->SetWindowPos(nullptr, rect.left, rect.top - kAnalogShift, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    UpdateRangeControls(m_bAutoRange);
    int nHigh = kAnalogLimit;
    int nLow = -kAnalogLimit;
    CBlockObj* pBlock = m_pDocument ? m_pDocument->FindBlockByNumber(m_nBlockNumber) : nullptr;
    if (pBlock)
        GetAnalogRange(*m_pDocument, pBlock, &nHigh, &nLow);
    SetUpToolTips(nLow, nHigh);
}

void CSimulation::SetUpToolTips(int nLow, int nHigh)
{
    if (!m_toolTip.Create(this))
        return;
    m_toolTip.AddTool(GetDlgItem(IDC_SIM_VALUE), GetValueTipText());
    m_toolTip.AddTool(GetDlgItem(IDC_SIM_MIN), RangeText(nLow, nHigh));
    m_toolTip.AddTool(GetDlgItem(IDC_SIM_MAX), RangeText(nLow, nHigh));
}

CString CSimulation::GetValueTipText() const
{
    const int nMin = EditNumber(IDC_SIM_MIN);
    const int nMax = EditNumber(IDC_SIM_MAX);
    return RangeText(std::min(nMin, nMax), std::max(nMin, nMax));
}

int CSimulation::EditNumber(int nID) const
{
    BOOL bTranslated = FALSE;
    return int(GetDlgItemInt(nID, &bTranslated, TRUE));
}

void CSimulation::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SIM_AUTO_RANGE, m_bAutoRange);
    DDX_Text(pDX, IDC_SIM_VALUE, m_nCurrent);
    DDX_Text(pDX, IDC_SIM_MIN, m_nMin);
    DDX_Text(pDX, IDC_SIM_MAX, m_nMax);
    if (!IsAnalog())
        DDX_Radio(pDX, IDC_SIM_SWITCH, m_nMode);
}

void CSimulation::EnableControls(std::initializer_list<int> ids, BOOL bEnable)
{
    for (int nID : ids) {
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->EnableWindow(bEnable);
    }
}

void CSimulation::UpdateModeButtons()
{
    for (int i = 0; i < 4; ++i)
        CheckDlgButton(kModeButtons[i], i == m_nMode ? 1 : 0);
    EnableControls({IDC_SIM_VALUE_LABEL, IDC_SIM_VALUE, IDC_SIM_VALUE_SPIN, IDC_SIM_AUTO_RANGE},
                   m_nMode == SIM_INPUT_FREQUENCY);
}

// The range is the user's only without the automatic range; a digital input has one only as a
// frequency source.
void CSimulation::UpdateRangeControls(BOOL bAutoRange)
{
    const BOOL bEnable = !bAutoRange && (IsAnalog() || m_nMode == SIM_INPUT_FREQUENCY);
    EnableControls({IDC_SIM_MIN_LABEL, IDC_SIM_MAX_LABEL, IDC_SIM_MIN, IDC_SIM_MAX, IDC_SIM_MIN_SPIN, IDC_SIM_MAX_SPIN},
                   bEnable);
}

void CSimulation::OnModeClicked(int nMode)
{
    SetModified(TRUE);
    m_nMode = nMode;
    UpdateModeButtons();
    UpdateRangeControls(nMode == SIM_INPUT_FREQUENCY ? m_bAutoRange : TRUE);
}

void CSimulation::OnValueChange()
{
    if (EditNumber(IDC_SIM_VALUE) != m_nCurrent)
        m_bValueChanged = 1;
    SetModified(TRUE);
}

void CSimulation::ClampAnalogEdit(int nID)
{
    if (m_nType != BT_ANALOG_IN)
        return;
    const int nValue = EditNumber(nID);
    if (nValue > kAnalogLimit || nValue < -kAnalogLimit)
        SetDlgItemInt(nID, UINT(std::clamp(nValue, -kAnalogLimit, kAnalogLimit)), TRUE);
}

// A box being emptied or given its sign first holds no number yet.
BOOL CSimulation::HoldsNumber(int nID) const
{
    CString strText;
    GetDlgItemText(nID, strText);
    return strText.FindOneOf(_T("0123456789")) >= 0;
}

SimInputValues CSimulation::ShownValues() const
{
    return {IsDlgButtonChecked(IDC_SIM_AUTO_RANGE) != 0, EditNumber(IDC_SIM_VALUE), EditNumber(IDC_SIM_MIN),
            EditNumber(IDC_SIM_MAX), m_nMode};
}

void CSimulation::HoldValueInRange(BOOL bTyping)
{
    if (!m_fitValues || m_bFilling)
        return;
    if (!HoldsNumber(IDC_SIM_VALUE))
        return;
    const SimInputValues shown = ShownValues();
    const SimInputValues kept = m_fitValues(shown);
    const bool bPastFarBound = (shown.nValue > kept.nMax && kept.nMax > 0) || (shown.nValue < kept.nMin && kept.nMin < 0);
    if (kept.nValue != shown.nValue && (!bTyping || bPastFarBound))
        SetDlgItemInt(IDC_SIM_VALUE, UINT(kept.nValue), TRUE);
}

void CSimulation::HoldRangeAsKept()
{
    if (!m_fitValues || m_bFilling)
        return;
    const SimInputValues shown = ShownValues();
    if (!shown.nAuto && (!HoldsNumber(IDC_SIM_MIN) || !HoldsNumber(IDC_SIM_MAX) || shown.nMin > shown.nMax))
        return;
    const SimInputValues kept = m_fitValues(shown);
    if (kept.nMin != shown.nMin)
        SetDlgItemInt(IDC_SIM_MIN, UINT(kept.nMin), TRUE);
    if (kept.nMax != shown.nMax)
        SetDlgItemInt(IDC_SIM_MAX, UINT(kept.nMax), TRUE);
}

BOOL CSimulation::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    const bool bValueEdit = nID == IDC_SIM_VALUE || nID == IDC_SIM_MIN || nID == IDC_SIM_MAX;
    if (bValueEdit && nCode == EN_UPDATE) {
        ClampAnalogEdit(nID);
        if (nID == IDC_SIM_VALUE)
            HoldValueInRange(TRUE);
        return TRUE;
    }
    // A box left: the range typed there may hold the current value elsewhere.
    if (bValueEdit && nCode == EN_KILLFOCUS) {
        if (nID != IDC_SIM_VALUE)
            HoldRangeAsKept();
        HoldValueInRange(FALSE);
        return TRUE;
    }
    if (bValueEdit && nCode == EN_CHANGE) {
        ClampAnalogEdit(nID);
        if (nID == IDC_SIM_VALUE)
            OnValueChange();
        else if (m_toolTip.m_hWnd) {
            // The current value's hint follows the range typed so far.
            m_toolTip.RemoveTool(GetDlgItem(IDC_SIM_VALUE), 0);
            m_toolTip.AddTool(GetDlgItem(IDC_SIM_VALUE), GetValueTipText());
        }
        return TRUE;
    }
    if (nCode == BN_CLICKED) {
        if (nID == IDC_SIM_AUTO_RANGE) {
            SetModified(TRUE);
            m_bAutoRange = IsDlgButtonChecked(IDC_SIM_AUTO_RANGE) != 0;
            UpdateRangeControls(m_bAutoRange);
            HoldRangeAsKept();
            HoldValueInRange(FALSE);
            return TRUE;
        }
        for (int i = 0; i < 4; ++i) {
            if (nID == kModeButtons[i]) {
                OnModeClicked(i);
                return TRUE;
            }
        }
    }
    return CBlockPage::OnCommand(wParam, lParam);
}

BOOL CSimulation::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd)
        m_toolTip.RelayEvent(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CSimulation::OnOK()
{
    m_bValueChanged = 0;
    CBlockPage::OnOK();
}
