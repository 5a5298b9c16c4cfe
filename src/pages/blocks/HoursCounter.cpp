#include "pages/blocks/HoursCounter.h"

#include "blocks/BlockCounter.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/sheet/AllPropertySheet.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/SpinRange.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CHoursCounter, CRangeTipPage)

namespace {

constexpr int kMaxIntervalHours = 9999;
constexpr int kMaxOperatingHours = 99999;
constexpr int kOperatingHourChars = 5;
constexpr int kLastMinute = 59;
// The inputs R (pin 0) and Ral (pin 2) decide what an Apply during a run does to the counts.
constexpr int kResetPin = 0;
constexpr int kResetAllPin = 2;

constexpr TimeValueIds kIntervalIds = {IDC_HC_MI_HOURS,   IDC_HC_MI_HOURS_SPIN, IDC_HC_MI_COLON, IDC_HC_MI_MINUTES,
                                       IDC_HC_MI_MINUTES_SPIN, 0,               IDC_HC_REFERENCE, 0,
                                       IDC_HC_BLOCK_LIST};

}  // namespace

const TimeSlot HCOUNTER_MI_SLOT = {{BlockWordArray::Param, HCOUNTER_MI_MINUTES_PARAM},
                                   {BlockWordArray::Param, HCOUNTER_MI_HOURS_PARAM},
                                   {BlockWordArray::Param, -1},
                                   {BlockWordArray::Param, -1},
                                   {BlockWordArray::Param, BLOCK_REF_USED_PARAM},
                                   {BlockWordArray::Ref, 0}};

BOOL HoursCounterValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    const auto* pCounter = dynamic_cast<const CBlockHCOUNTER*>(&block);
    if (!pCounter)
        return FALSE;
    strText.Format(_T("MI=%4ldh%2ldm/MN=%5ldh%2ldm/OT=%5ldh%2ldm"), long(block.m_nParam[HCOUNTER_MI_HOURS_PARAM]),
                   long(block.m_nParam[HCOUNTER_MI_MINUTES_PARAM]), long(pCounter->m_nMNMinutes / 60),
                   long(pCounter->m_nMNMinutes % 60), long(pCounter->m_nOTMinutes / 60),
                   long(pCounter->m_nOTMinutes % 60));
    return TRUE;
}

namespace {

int StoredOTMinutes(const CBlockObj& block)
{
    return block.m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] + block.m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] * 60;
}

}  // namespace

void ApplyToRunningHoursCounter(const HoursCounterApply& apply, CBlockObj& block)
{
    auto* pCounter = dynamic_cast<CBlockHCOUNTER*>(&block);
    int* w = block.m_nParamEx;
    const int nStoredOT = StoredOTMinutes(block);
    if (!apply.bRunUnderWay) {
        // A stopped run has no counts to re-seed: the hours are taken as they stand.
        w[HCOUNTER_OT_HOURS_PARAMEX] = apply.nOTHours;
    } else if (pCounter) {
        pCounter->m_nMNMinutes = apply.bReferenced ? pCounter->m_nRefValue : apply.nMIMinutes + apply.nMIHours * 60;
        if (block.m_nPinValue[kResetAllPin]) {
            w[HCOUNTER_OT_HOURS_PARAMEX] = 0;
            pCounter->m_nOTStart = 0;
            pCounter->m_nOTMinutes = 0;
        } else if (block.m_nPinValue[kResetPin]) {
            pCounter->m_nOTStart = pCounter->m_nRunOTParam;
            pCounter->m_nOTMinutes = pCounter->m_nOTStart;
        } else {
            w[HCOUNTER_OT_HOURS_PARAMEX] = apply.nOTHours;
        }
    }
    w[HCOUNTER_OT_MINUTES_PARAMEX] = apply.nOTMinutes;
    // A new OT start goes into the run; one left as it was does not bring back what Ral cleared.
    if (pCounter && StoredOTMinutes(block) != nStoredOT)
        pCounter->m_nRunOTParam = StoredOTMinutes(block);
}

BlockWrite CHoursCounter::MakeBlockWrite(BOOL bApply) const
{
    if (!bApply)
        return {};
    const auto* pSheet = dynamic_cast<const CAllPropertySheet*>(GetSheet());
    const HoursCounterApply apply = {m_interval.m_nHigh, m_interval.m_nLow, m_interval.m_nRefBlock >= 0, m_nOTHours,
                                     m_nOTMinutes, !pSheet || pSheet->IsRunUnderWay()};
    return [apply](CBlockObj& block) { ApplyToRunningHoursCounter(apply, block); };
}

CHoursCounter::CHoursCounter(int nType) : CRangeTipPage(IDD_HOURS_COUNTER, nType), m_interval(kIntervalIds)
{
    m_interval.m_nBase = TIME_BASE_HOURS;
    m_interval.m_nHighMax = kMaxIntervalHours;
    m_interval.m_nLowSpinMax = kLastMinute;
}

BOOL CHoursCounter::OnInitDialog()
{
    CRangeTipPage::OnInitDialog();
    const BOOL bNewer = !m_pDocument || m_pDocument->IsNewGenerationDoc();
    m_interval.Create(*this, m_pDocument, m_nBlockNumber, bNewer);
    SetSpinRange(*this, IDC_HC_OT_HOURS_SPIN, 0, kMaxOperatingHours);
    SetSpinRange(*this, IDC_HC_OT_MINUTES_SPIN, 0, kLastMinute);
    static_cast<CEdit*>(GetDlgItem(IDC_HC_OT_HOURS))->SetLimitText(kOperatingHourChars);
    static_cast<CEdit*>(GetDlgItem(IDC_HC_OT_MINUTES))->SetLimitText(TIME_PART_CHARS);
    // The older controllers count whole hours.
    if (!bNewer) {
        for (int nID : {IDC_HC_MI_COLON, IDC_HC_MI_MINUTES, IDC_HC_MI_MINUTES_SPIN, IDC_HC_MI_UNIT, IDC_HC_OT_COLON,
                        IDC_HC_OT_MINUTES, IDC_HC_OT_MINUTES_SPIN, IDC_HC_OT_UNIT})
            GetDlgItem(nID)->ShowWindow(SW_HIDE);
    }
    GetDlgItem(IDC_RETENTIVE)->EnableWindow(FALSE);
    ShowUnit();
    SetTimeTips(m_interval, TIME_BASE_HOURS);
    SetRangeTip(IDC_HC_OT_HOURS, 0, kMaxOperatingHours);
    SetRangeTip(IDC_HC_OT_MINUTES, 0, kLastMinute);
    return TRUE;
}

void CHoursCounter::ShowUnit()
{
    CString strText = m_interval.m_bUseRef ? _T("Hours") : _T("Hours(h:m)");
    if (IsChinesePageUI())
        LookupPageText(m_interval.m_bUseRef ? 169 : 1245, strText);
    SetDlgItemText(IDC_HC_MI_UNIT, strText);
}

void CHoursCounter::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_RETENTIVE, m_bRetentive);
    CRangeTipPage::DoDataExchange(pDX);
    m_interval.Exchange(pDX);
    DDV_MinMaxInt(pDX, m_interval.m_nLow, 0, kLastMinute);
    DDX_Text(pDX, IDC_HC_OT_HOURS, m_nOTHours);
    DDV_MinMaxInt(pDX, m_nOTHours, 0, kMaxOperatingHours);
    DDX_Check(pDX, IDC_HC_OUTPUT_NOT_ZERO, m_bOutputNotZero);
    DDX_Text(pDX, IDC_HC_OT_MINUTES, m_nOTMinutes);
    DDV_MinMaxInt(pDX, m_nOTMinutes, 0, kLastMinute);
}

BOOL CHoursCounter::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    const CTimeValueRow::Notice notice = m_interval.OnCommand(*this, nID, nCode, TIME_BASE_HOURS);
    if (notice != CTimeValueRow::Notice::None) {
        if (notice != CTimeValueRow::Notice::Changed)
            ShowUnit();
        SetModified(TRUE);
        return TRUE;
    }
    if ((nID == IDC_HC_OT_HOURS && nCode == EN_CHANGE) ||
        (nCode == BN_CLICKED && (nID == IDC_HC_OUTPUT_NOT_ZERO || nID == IDC_PROTECTION)))
        SetModified(TRUE);
    return CRangeTipPage::OnCommand(wParam, lParam);
}

void CHoursCounter::OnOK()
{
    m_interval.Normalise();
    CRangeTipPage::OnOK();
}
