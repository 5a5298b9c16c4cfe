#include "pages/blocks/ARAMP.h"

#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CARAMP, CAnalogPage)

CARAMP::CARAMP(int nType) : CAnalogPage(IDD_ARAMP, nType, TRUE) { m_scaling.m_dGainFloor = 0.0; }

void CARAMP::ReadRecord(const AnalogRecord& record)
{
    m_nLevel1 = record.nLimit1;
    m_nLevel2 = record.nLimit2;
    ReadLimitRows(record);
}

void CARAMP::FillRecord(AnalogRecord& record) const
{
    record.nGroups |= ANALOG_GROUP_LIMITS;
    record.nLimit1 = m_nLevel1;
    record.nLimit2 = m_nLevel2;
    FillLimitReferences(record);
}

std::vector<CAnalogPage::IntegerBox> CARAMP::GetIntegerBoxes() const
{
    std::vector<IntegerBox> boxes = CAnalogPage::GetIntegerBoxes();
    boxes.insert(boxes.end(), {{IDC_LIMIT1, IDC_LIMIT1_SPIN, 5, -10000, 20000, BoxRule::Clamped},
                               {IDC_LIMIT2, IDC_LIMIT2_SPIN, 5, -10000, 20000, BoxRule::Clamped},
                               {IDC_RAMP_SPEED, IDC_RAMP_SPEED_SPIN, 5, 1, 10000, BoxRule::Clamped},
                               {IDC_RAMP_MAX_OUTPUT, IDC_RAMP_MAX_OUTPUT_SPIN, 5, -10000, 20000, BoxRule::Clamped},
                               {IDC_RAMP_START_STOP, IDC_RAMP_START_STOP_SPIN, 5, 0, 20000, BoxRule::Clamped}});
    return boxes;
}

void CARAMP::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LIMIT1, m_nLevel1);
    DDX_Text(pDX, IDC_LIMIT2, m_nLevel2);
    DDX_Text(pDX, IDC_RAMP_SPEED, m_nSpeed);
    DDX_Text(pDX, IDC_RAMP_MAX_OUTPUT, m_nMaxOutput);
    DDX_Text(pDX, IDC_RAMP_START_STOP, m_nStartStopOffset);
}

BOOL CARAMP::OnInitDialog()
{
    CAnalogPage::OnInitDialog();
    CreateLimitRows();
    // The levels may be referenced on the newer controllers only.
    ShowControls({IDC_LIMIT1_REF, IDC_LIMIT2_REF}, OffersReferences());
    OnLimitReferenceChanged();
    return TRUE;
}

void CARAMP::OnLimitReferenceChanged()
{
    ShowLimitRow(0, TRUE, nullptr);
    ShowLimitRow(1, TRUE, nullptr);
}

BOOL CARAMP::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (!m_bWriting && OnLimitRowCommand(nID, nCode))
        return TRUE;
    return CAnalogPage::OnCommand(wParam, lParam);
}
