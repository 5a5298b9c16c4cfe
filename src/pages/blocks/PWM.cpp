#include "pages/blocks/PWM.h"

#include "pages/sheet/ListRoom.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CPWM, CAnalogPage)

namespace {

constexpr int kRangeLimit = 20000;
constexpr int kTwoDigits = 99;
constexpr int kSixtyLimit = 59;
// The time bases "Hours(h:m)" and "Minutes(m:s)" count their low part in sixtieths.
constexpr int kLastSexagesimalBase = 1;
// The list of reference units lies a tenth of the base list's width to the right.
constexpr int kUnitListIndent = 10;
constexpr int kUnitListDrop = 100;

}  // namespace

CPWM::CPWM(int nType) : CAnalogPage(IDD_PWM, nType, TRUE) {}

LPCTSTR CPWM::ThirdBaseText(int nFastOutput)
{
    return nFastOutput >= 0 && nFastOutput < PWM_OUTPUT_NONE ? _T("100ms:ms") : _T("Seconds(s:1/100s)");
}

void CPWM::ReadRecord(const AnalogRecord& record)
{
    m_nRangeLow = record.nLimit1;
    m_nRangeHigh = record.nLimit2;
    m_nFastOutput = record.nFastOutput;
    m_timeRef.m_bUse = record.refs[0].bUse && record.refs[0].nBlockNumber >= 0;
    m_timeRef.m_nBlockNumber = m_timeRef.m_bUse ? record.refs[0].nBlockNumber : -1;
}

void CPWM::FillRecord(AnalogRecord& record) const
{
    record.nGroups |= ANALOG_GROUP_LIMITS | ANALOG_GROUP_PWM;
    record.nLimit1 = m_nRangeLow;
    record.nLimit2 = m_nRangeHigh;
    record.nFastOutput = m_nFastOutput;
    record.nReferences = 1;
    record.refs[0].bUse = m_timeRef.m_bUse && m_timeRef.m_nBlockNumber >= 0;
    record.refs[0].nBlockNumber = record.refs[0].bUse ? m_timeRef.m_nBlockNumber : -1;
}

std::vector<CAnalogPage::IntegerBox> CPWM::GetIntegerBoxes() const
{
    std::vector<IntegerBox> boxes = CAnalogPage::GetIntegerBoxes();
    boxes.insert(boxes.end(), {{IDC_LIMIT1, IDC_LIMIT1_SPIN, 5, -kRangeLimit, kRangeLimit, BoxRule::Clamped},
                               {IDC_LIMIT2, IDC_LIMIT2_SPIN, 5, -kRangeLimit, kRangeLimit, BoxRule::Clamped},
                               {IDC_PWM_TIME_HIGH, IDC_PWM_TIME_HIGH_SPIN, 2, 0, kTwoDigits, BoxRule::Clamped},
                               {IDC_PWM_TIME_LOW, IDC_PWM_TIME_LOW_SPIN, 2, 0, LowPartLimit(), BoxRule::Clamped}});
    return boxes;
}

void CPWM::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LIMIT1, m_nRangeLow);
    DDX_Text(pDX, IDC_LIMIT2, m_nRangeHigh);
    ExchangeChoice(pDX, IDC_PWM_OUTPUT, m_nFastOutput);
    DDX_Text(pDX, IDC_PWM_TIME_LOW, m_nTimeLow);
    DDX_Text(pDX, IDC_PWM_TIME_HIGH, m_nTimeHigh);
    DDV_MinMaxInt(pDX, m_nTimeHigh, 0, kTwoDigits);
    ExchangeChoice(pDX, IDC_PWM_TIME_BASE, m_nTimeBase);
}

BOOL CPWM::OnInitDialog()
{
    CAnalogPage::OnInitDialog();
    SetComboItem(IDC_PWM_TIME_BASE, PWM_THIRD_BASE, ThirdBaseText(m_nFastOutput));
    CreateRefUnitCombo();
    m_timeRef.Create(*this, m_pDocument, m_nBlockNumber);
    if (!m_timeRef.m_bUse)
        m_nRefUnit = 0;
    if (auto* pUnits = static_cast<CComboBox*>(GetDlgItem(IDC_PWM_REF_UNIT)))
        pUnits->SetCurSel(m_nRefUnit);
    EnableControls({IDC_PWM_REF}, m_bCanRef);
    ShowTimeControls();
    return TRUE;
}

void CPWM::CreateRefUnitCombo()
{
    CWnd* pBase = GetDlgItem(IDC_PWM_TIME_BASE);
    if (!pBase)
        return;
    CRect rect;
    pBase->GetWindowRect(rect);
    ScreenToClient(rect);
    rect.left += rect.Width() / kUnitListIndent;
    rect.bottom = rect.top + kUnitListDrop;
    auto* pUnits = new CComboBox;
    pUnits->SetAutoDelete(TRUE);
    if (!pUnits->Create(WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, rect, this, IDC_PWM_REF_UNIT)) {
        delete pUnits;
        return;
    }
    // Where the base list stands in the tab order, which keeps it in front of the frame.
    pUnits->SetWindowPos(pBase, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (LPCTSTR lpszUnit : {_T("Minutes"), _T("Seconds"), _T("MilliSeconds")})
        pUnits->AddString(lpszUnit);
    NarrowListToLines(*pUnits);
}

// A referenced block stands in for the whole time value with its base; its unit shows.
void CPWM::ShowTimeControls()
{
    const BOOL bRef = m_timeRef.m_bUse;
    ShowControls({IDC_PWM_TIME_HIGH, IDC_PWM_TIME_HIGH_SPIN, IDC_PWM_TIME_COLON, IDC_PWM_TIME_LOW,
                  IDC_PWM_TIME_LOW_SPIN, IDC_PWM_TIME_BASE},
                 !bRef);
    ShowControls({int(IDC_PWM_REF_UNIT), int(IDC_PWM_REF_BLOCK)}, bRef);
}

int CPWM::LowPartLimit() const
{
    const auto* pBase = static_cast<const CComboBox*>(GetDlgItem(IDC_PWM_TIME_BASE));
    const int nBase = pBase ? pBase->GetCurSel() : m_nTimeBase;
    return nBase >= 0 && nBase <= kLastSexagesimalBase ? kSixtyLimit : kTwoDigits;
}

void CPWM::OnTimeBaseChanged()
{
    if (const auto* pBase = static_cast<const CComboBox*>(GetDlgItem(IDC_PWM_TIME_BASE)))
        m_nTimeBase = pBase->GetCurSel();
    int nLow = 0;
    ClampTyped(IDC_PWM_TIME_LOW, 0, LowPartLimit(), nLow);
    ReplaceRangeTip(IDC_PWM_TIME_LOW, 0, LowPartLimit());
    SetModified(TRUE);
}

void CPWM::OnOutputChanged()
{
    if (const auto* pOutput = static_cast<const CComboBox*>(GetDlgItem(IDC_PWM_OUTPUT)))
        m_nFastOutput = pOutput->GetCurSel();
    SetComboItem(IDC_PWM_TIME_BASE, PWM_THIRD_BASE, ThirdBaseText(m_nFastOutput));
    SetModified(TRUE);
}

// The periodic time from a block is stored as time 0:0 in the kept base, read in the unit the
// list shows; without one the unit is cleared. Apply stores the same as OK.
void CPWM::PrepareApply()
{
    CAnalogPage::PrepareApply();
    m_timeRef.ReadChoice();
    if (m_timeRef.m_bUse && m_timeRef.m_nBlockNumber >= 0) {
        m_nTimeLow = 0;
        m_nTimeHigh = 0;
        const auto* pUnits = static_cast<const CComboBox*>(GetDlgItem(IDC_PWM_REF_UNIT));
        m_nRefUnit = pUnits && pUnits->GetCurSel() >= 0 ? pUnits->GetCurSel() : 0;
    } else {
        m_timeRef.m_bUse = FALSE;
        m_nRefUnit = 0;
    }
}

BOOL CPWM::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (m_bWriting)
        return CAnalogPage::OnCommand(wParam, lParam);
    switch (nCode) {
    case CBN_SELCHANGE:
        if (nID == IDC_PWM_TIME_BASE)
            OnTimeBaseChanged();
        else if (nID == IDC_PWM_OUTPUT)
            OnOutputChanged();
        else if (nID == int(IDC_PWM_REF_BLOCK))
            m_timeRef.ReadChoice();
        else if (nID != int(IDC_PWM_REF_UNIT))
            break;
        SetModified(TRUE);
        return TRUE;
    case BN_CLICKED:
        if (nID != IDC_PWM_REF)
            break;
        m_timeRef.OnCheckClicked(*this);
        m_timeRef.ReadChoice();
        ShowTimeControls();
        SetModified(TRUE);
        return TRUE;
    default:
        break;
    }
    return CAnalogPage::OnCommand(wParam, lParam);
}
