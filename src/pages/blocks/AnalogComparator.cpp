#include "pages/blocks/AnalogComparator.h"

#include "blocks/BlockTypes.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CAnalogComparator, CAnalogPage)

namespace {

constexpr int kThresholdLimit = 20000;

}  // namespace

CAnalogComparator::CAnalogComparator(int nType) : CAnalogPage(IDD_ANALOG_COMPARATOR, nType, TRUE) {}

int CAnalogComparator::GetThresholdFloor() const { return m_nType == BT_AWDOG ? 0 : -kThresholdLimit; }

void CAnalogComparator::ReadRecord(const AnalogRecord& record)
{
    m_nOn = record.nLimit1;
    m_nOff = record.nLimit2;
    ReadLimitRows(record);
}

void CAnalogComparator::FillRecord(AnalogRecord& record) const
{
    record.nGroups |= ANALOG_GROUP_LIMITS;
    record.nLimit1 = m_nOn;
    record.nLimit2 = m_nOff;
    FillLimitReferences(record);
}

std::vector<CAnalogPage::IntegerBox> CAnalogComparator::GetIntegerBoxes() const
{
    std::vector<IntegerBox> boxes = CAnalogPage::GetIntegerBoxes();
    const int nFloor = GetThresholdFloor();
    boxes.insert(boxes.end(), {{IDC_LIMIT1, IDC_LIMIT1_SPIN, 5, nFloor, kThresholdLimit, BoxRule::Clamped},
                               {IDC_LIMIT2, IDC_LIMIT2_SPIN, 5, nFloor, kThresholdLimit, BoxRule::Clamped}});
    return boxes;
}

void CAnalogComparator::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LIMIT1, m_nOn);
    DDX_Text(pDX, IDC_LIMIT2, m_nOff);
    DDX_Check(pDX, IDC_RETENTIVE, m_bRetentive);
}

BOOL CAnalogComparator::OnInitDialog()
{
    CAnalogPage::OnInitDialog();
    // The spins run over both signs for every type, so that the watchdog's boxes take a typed
    // minus too; the clamp then makes a negative delta 0.
    SetSpinRange(IDC_LIMIT1_SPIN, -kThresholdLimit, kThresholdLimit);
    SetSpinRange(IDC_LIMIT2_SPIN, -kThresholdLimit, kThresholdLimit);
    CreateLimitRows();
    SetUpGenerationControls();
    ShowThresholdLabels();
    return TRUE;
}

// Older controllers take no references and keep no retentive value; of the newer ones only the
// watchdog keeps one, and the amplifier and the differential trigger take no references.
void CAnalogComparator::SetUpGenerationControls()
{
    const BOOL bRefs = OffersReferences() && m_nType != BT_AAMP && m_nType != BT_ADTRG;
    ShowControls({IDC_LIMIT1_REF, IDC_LIMIT2_REF}, bRefs);
    if (OffersReferences() && m_nType == BT_AWDOG)
        return;
    CWnd* pRetentive = GetDlgItem(IDC_RETENTIVE);
    CWnd* pProtection = GetDlgItem(IDC_PROTECTION);
    if (!pRetentive || !pProtection)
        return;
    CRect rect;
    pRetentive->GetWindowRect(rect);
    ScreenToClient(rect);
    pRetentive->ShowWindow(SW_HIDE);
    pProtection->MoveWindow(&rect);
}

void CAnalogComparator::ShowThresholdLabels()
{
    switch (m_nType) {
    case BT_ACOMP:
    case BT_ATHTRG:
        ShowControls({IDC_LIMIT_GROUP}, TRUE);
        ShowLimitRow(0, TRUE, _T("On"), TEXT_KEY_LIMIT_ON);
        ShowLimitRow(1, TRUE, _T("Off"), TEXT_KEY_LIMIT_OFF);
        break;
    case BT_AWDOG:
        ShowControls({IDC_LIMIT_GROUP}, FALSE);
        if (OffersReferences()) {
            ShowLimitRow(0, TRUE, _T("Threshold 1(upper: +)"), TEXT_KEY_LIMIT_UPPER);
            ShowLimitRow(1, TRUE, _T("Threshold 2(lower: -)"), TEXT_KEY_LIMIT_LOWER);
        } else {
            ShowLimitRow(0, FALSE, nullptr);
            ShowLimitRow(1, TRUE, _T("Threshold(difference)"));
        }
        break;
    case BT_ADTRG:
        ShowControls({IDC_LIMIT_GROUP}, FALSE);
        ShowLimitRow(0, TRUE, _T("On"), TEXT_KEY_LIMIT_ON);
        ShowLimitRow(1, TRUE, _T("Differential"), TEXT_KEY_LIMIT_DIFFERENTIAL);
        break;
    default:
        ShowControls({IDC_LIMIT_GROUP}, FALSE);
        ShowLimitRow(0, FALSE, nullptr);
        ShowLimitRow(1, FALSE, nullptr);
        break;
    }
}

BOOL CAnalogComparator::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (!m_bWriting) {
        if (nID == IDC_RETENTIVE && nCode == BN_CLICKED) {
            m_bRetentive = IsDlgButtonChecked(IDC_RETENTIVE);
            SetModified(TRUE);
            return TRUE;
        }
        if (OnLimitRowCommand(nID, nCode))
            return TRUE;
    }
    return CAnalogPage::OnCommand(wParam, lParam);
}
