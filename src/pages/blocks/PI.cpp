#include "pages/blocks/PI.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CPI, CAnalogPage)

namespace {

constexpr PIParameterSet kSets[PI_SET_USER_DEFINED] = {
    {0.5, 0, 30}, {1.0, 2, 0}, {3.0, 0, 5}, {1.2, 0, 12}, {1.0, 99, 59}, {0.7, 0, 20},
};
constexpr double kKCMax = 99.99;
// TI switched off is kept as its largest value.
constexpr int kTIOffMinutes = 99;
constexpr int kTIOffSeconds = 59;

}  // namespace

const PIParameterSet& GetPIParameterSet(int nSet) { return kSets[std::clamp(nSet, 0, PI_SET_USER_DEFINED - 1)]; }

CPI::CPI(int nType) : CAnalogPage(IDD_PI, nType, TRUE) {}

void CPI::ReadRecord(const AnalogRecord& record)
{
    m_nSetpoint = record.nLimit1;
    m_nManualOutput = record.nLimit2;
    m_nParamSet = record.nParamSet;
    m_dKC = record.dKC;
    m_bUseTI = record.bUseTI;
    m_nTIMinutes = record.nTIMinutes;
    m_nTISeconds = record.nTISeconds;
    m_nDirection = record.nDirection ? 1 : 0;
    ReadLimitRows(record);
}

void CPI::FillRecord(AnalogRecord& record) const
{
    record.nGroups |= ANALOG_GROUP_LIMITS | ANALOG_GROUP_PI;
    record.nLimit1 = m_nSetpoint;
    record.nLimit2 = m_nManualOutput;
    record.nParamSet = m_nParamSet;
    record.dKC = m_dKC;
    record.bUseTI = m_bUseTI;
    record.nTIMinutes = m_nTIMinutes;
    record.nTISeconds = m_nTISeconds;
    record.nDirection = m_nDirection;
    FillLimitReferences(record);
}

// KC takes no sign; the gain's third whole digit is not put behind a point.
std::vector<CAnalogPage::HundredthsBox> CPI::GetHundredthsBoxes() const
{
    return {{IDC_GAIN, IDC_GAIN_SPIN, TRUE, FALSE}, {IDC_PI_KC, IDC_PI_KC_SPIN, FALSE, TRUE}};
}

std::vector<CAnalogPage::IntegerBox> CPI::GetIntegerBoxes() const
{
    std::vector<IntegerBox> boxes = CAnalogPage::GetIntegerBoxes();
    boxes.insert(boxes.end(), {{IDC_LIMIT1, IDC_LIMIT1_SPIN, 5, -10000, 20000, BoxRule::Clamped},
                               {IDC_LIMIT2, IDC_LIMIT2_SPIN, 5, 0, 1000, BoxRule::Clamped},
                               {IDC_PI_TI_MINUTES, IDC_PI_TI_MINUTES_SPIN, 2, 0, kTIOffMinutes, BoxRule::Clamped},
                               {IDC_PI_TI_SECONDS, IDC_PI_TI_SECONDS_SPIN, 2, 0, kTIOffSeconds, BoxRule::Clamped}});
    return boxes;
}

void CPI::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LIMIT1, m_nSetpoint);
    DDX_Text(pDX, IDC_LIMIT2, m_nManualOutput);
    DDX_Check(pDX, IDC_RETENTIVE, m_bRetentive);
    ExchangeChoice(pDX, IDC_PI_PARAM_SET, m_nParamSet);
    DDX_Text(pDX, IDC_PI_KC, m_dKC);
    if (!pDX->m_bSaveAndValidate)
        PutKC(m_dKC);
    DDX_Check(pDX, IDC_PI_USE_TI, m_bUseTI);
    DDX_Text(pDX, IDC_PI_TI_MINUTES, m_nTIMinutes);
    DDV_MinMaxInt(pDX, m_nTIMinutes, 0, 99);
    DDX_Text(pDX, IDC_PI_TI_SECONDS, m_nTISeconds);
    DDV_MinMaxInt(pDX, m_nTISeconds, 0, 59);
    DDX_Radio(pDX, IDC_PI_UP, m_nDirection);
}

BOOL CPI::OnInitDialog()
{
    CAnalogPage::OnInitDialog();
    CreateLimitRows();
    SetSpinRange(IDC_PI_KC_SPIN, 0, 100);
    AddHundredthsTip(IDC_PI_KC, 0, 9999);
    ShowControls({IDC_LIMIT1_REF, IDC_LIMIT2_REF}, OffersReferences());
    OnLimitReferenceChanged();
    OnParamSetChanged();
    return TRUE;
}

void CPI::OnLimitReferenceChanged()
{
    ShowLimitRow(0, TRUE, nullptr);
    ShowLimitRow(1, TRUE, nullptr);
}

void CPI::PutKC(double dKC)
{
    CString str;
    str.Format(_T("%.2f"), dKC);
    PutText(IDC_PI_KC, str);
}

void CPI::EnableTIEdits(BOOL bEnable)
{
    EnableControls({IDC_PI_TI_MINUTES, IDC_PI_TI_MINUTES_SPIN, IDC_PI_TI_COLON, IDC_PI_TI_SECONDS,
                    IDC_PI_TI_SECONDS_SPIN},
                   bEnable);
}

// A fixed set fills KC, TI and the upward direction and locks them; "User defined" unlocks
// them with the values they show.
void CPI::OnParamSetChanged()
{
    const auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_PI_PARAM_SET));
    const int nSet = pList ? pList->GetCurSel() : m_nParamSet;
    const BOOL bUser = nSet < 0 || nSet >= PI_SET_USER_DEFINED;
    if (!bUser) {
        const PIParameterSet& set = GetPIParameterSet(nSet);
        PutKC(set.dKC);
        PutInt(IDC_PI_TI_MINUTES, set.nTIMinutes);
        PutInt(IDC_PI_TI_SECONDS, set.nTISeconds);
        CheckDlgButton(IDC_PI_USE_TI, 1);
        CheckRadioButton(IDC_PI_UP, IDC_PI_DOWN, IDC_PI_UP);
    } else {
        ReadInt(IDC_PI_TI_MINUTES, m_nSavedTIMinutes);
        ReadInt(IDC_PI_TI_SECONDS, m_nSavedTISeconds);
    }
    EnableControls({IDC_PI_KC_LABEL, IDC_PI_KC, IDC_PI_KC_SPIN, IDC_PI_USE_TI, IDC_PI_TI_UNIT,
                    IDC_PI_DIRECTION_LABEL, IDC_PI_UP, IDC_PI_DOWN},
                   bUser);
    EnableTIEdits(bUser && IsDlgButtonChecked(IDC_PI_USE_TI));
    SetModified(TRUE);
}

void CPI::OnUseTIClicked()
{
    m_bUseTI = IsDlgButtonChecked(IDC_PI_USE_TI) ? 1 : 0;
    if (m_bUseTI) {
        PutInt(IDC_PI_TI_MINUTES, m_nSavedTIMinutes);
        PutInt(IDC_PI_TI_SECONDS, m_nSavedTISeconds);
    } else {
        ReadInt(IDC_PI_TI_MINUTES, m_nSavedTIMinutes);
        ReadInt(IDC_PI_TI_SECONDS, m_nSavedTISeconds);
        PutInt(IDC_PI_TI_MINUTES, kTIOffMinutes);
        PutInt(IDC_PI_TI_SECONDS, kTIOffSeconds);
    }
    EnableTIEdits(m_bUseTI);
    SetModified(TRUE);
}

// "User defined" with TI on at its largest value stores TI as off; "Full level 1" keeps it on.
void CPI::PrepareApply()
{
    CAnalogPage::PrepareApply();
    if (m_nParamSet == PI_SET_USER_DEFINED && m_bUseTI && m_nTIMinutes == kTIOffMinutes && m_nTISeconds == kTIOffSeconds)
        m_bUseTI = 0;
}

BOOL CPI::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (m_bWriting)
        return CAnalogPage::OnCommand(wParam, lParam);
    if (nCode == EN_CHANGE) {
        if (nID == IDC_PI_KC) {
            CString strText;
            GetDlgItemText(IDC_PI_KC, strText);
            double dKC = 0;
            if (AfxParseDouble(strText, dKC) && (dKC < 0 || dKC > kKCMax))
                PutKC(std::clamp(dKC, 0.0, kKCMax));
            SetModified(TRUE);
            return TRUE;
        }
    }
    if (nID == IDC_PI_PARAM_SET && nCode == CBN_SELCHANGE) {
        OnParamSetChanged();
        return TRUE;
    }
    if (nID == IDC_PI_USE_TI && nCode == BN_CLICKED) {
        OnUseTIClicked();
        return TRUE;
    }
    if ((nID == IDC_PI_UP || nID == IDC_PI_DOWN) && nCode == BN_CLICKED) {
        m_nDirection = nID == IDC_PI_DOWN ? 1 : 0;
        SetModified(TRUE);
        return TRUE;
    }
    if (OnLimitRowCommand(nID, nCode))
        return TRUE;
    return CAnalogPage::OnCommand(wParam, lParam);
}

// KC's spin steps KC by tenths within 0..99.99.
BOOL CPI::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader && pHeader->idFrom == UINT_PTR(IDC_PI_KC_SPIN) && pHeader->code == UDN_DELTAPOS) {
        CString strText;
        GetDlgItemText(IDC_PI_KC, strText);
        double dKC = 0;
        AfxParseDouble(strText, dKC);
        const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(lParam);
        PutKC(std::clamp(std::round((dKC + 0.1 * pUpDown->iDelta) * 100.0) / 100.0, 0.0, kKCMax));
        SetModified(TRUE);
        *pResult = 1;
        return TRUE;
    }
    return CAnalogPage::OnNotify(wParam, lParam, pResult);
}
