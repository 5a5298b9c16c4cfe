#include "pages/blocks/WeeklyCams1.h"

#include "document/VetlaDoc.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/blocks/WeeklyGeneral.h"
#include "pages/sheet/AllPropertySheet.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/SpinRange.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CWeeklyCams1, CRangeTipPage)

namespace {

constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr int kTimeChars = 2;

// The check of day d (Sunday 0): the template lists Monday first.
int DayCheck(int nDay) { return IDC_MONDAY + (nDay + WEEK_DAYS - 1) % WEEK_DAYS; }

struct TextKey {
    int nID;
    WORD nKey;
};
constexpr TextKey kChineseTexts[] = {{IDC_WEEKDAY_GROUP, 159}, {IDC_MONDAY, 160},       {IDC_MONDAY + 1, 161},
                                     {IDC_MONDAY + 2, 162},     {IDC_MONDAY + 3, 163}, {IDC_MONDAY + 4, 164},
                                     {IDC_MONDAY + 5, 165},     {IDC_MONDAY + 6, 166}, {IDC_CAM_ON_GROUP, 150},
                                     {IDC_CAM_OFF_GROUP, 151},  {IDC_CAM_ON_DISABLE, 158}, {IDC_CAM_OFF_DISABLE, 158}};

}  // namespace

CWeeklyCams1::CWeeklyCams1(int nType) : CRangeTipPage(IDD_WEEKLY_CAMS, nType) {}

BOOL CWeeklyCams1::SheetPulseOutput() const
{
    const auto* pSheet = dynamic_cast<const CAllPropertySheet*>(GetSheet());
    const auto* pGeneral = pSheet ? dynamic_cast<const CWeeklyGeneral*>(pSheet->m_pMainPage) : nullptr;
    return pGeneral && pGeneral->m_bPulseOutput;
}

BOOL CWeeklyCams1::OnInitDialog()
{
    CRangeTipPage::OnInitDialog();
    const std::pair<int, int> spins[] = {{IDC_CAM_ON_HOUR_SPIN, kLastHour}, {IDC_CAM_OFF_HOUR_SPIN, kLastHour},
                                         {IDC_CAM_ON_MINUTE_SPIN, kLastMinute}, {IDC_CAM_OFF_MINUTE_SPIN, kLastMinute}};
    for (const auto& [nSpin, nMax] : spins)
        SetSpinRange(*this, nSpin, 0, nMax);
    for (int nEdit : {IDC_CAM_ON_HOUR, IDC_CAM_ON_MINUTE, IDC_CAM_OFF_HOUR, IDC_CAM_OFF_MINUTE})
        static_cast<CEdit*>(GetDlgItem(nEdit))->SetLimitText(kTimeChars);
    for (int nEdit : {IDC_CAM_ON_HOUR, IDC_CAM_OFF_HOUR})
        SetRangeTip(nEdit, 0, kLastHour);
    for (int nEdit : {IDC_CAM_ON_MINUTE, IDC_CAM_OFF_MINUTE})
        SetRangeTip(nEdit, 0, kLastMinute);
    // In this order: an off time in use stays editable under pulse output, only its check greys.
    if (!m_pDocument || m_pDocument->IsNewGenerationDoc())
        EnableOffTime(!SheetPulseOutput());
    EnableTime(IDC_CAM_ON_HOUR, IDC_CAM_ON_HOUR_SPIN, IDC_CAM_ON_MINUTE, IDC_CAM_ON_MINUTE_SPIN, !m_bOnDisabled);
    EnableTime(IDC_CAM_OFF_HOUR, IDC_CAM_OFF_HOUR_SPIN, IDC_CAM_OFF_MINUTE, IDC_CAM_OFF_MINUTE_SPIN, !m_bOffDisabled);
    if (IsChinesePageUI()) {
        CString strText;
        for (const TextKey& text : kChineseTexts) {
            if (LookupPageText(text.nKey, strText))
                SetDlgItemText(text.nID, strText);
        }
    }
    return TRUE;
}

void CWeeklyCams1::DoDataExchange(CDataExchange* pDX)
{
    CRangeTipPage::DoDataExchange(pDX);
    for (int nDay = 0; nDay < WEEK_DAYS; ++nDay)
        DDX_Check(pDX, DayCheck(nDay), m_bDays[nDay]);
    DDX_Text(pDX, IDC_CAM_ON_HOUR, m_nOnHour);
    DDX_Text(pDX, IDC_CAM_ON_MINUTE, m_nOnMinute);
    DDX_Check(pDX, IDC_CAM_ON_DISABLE, m_bOnDisabled);
    DDX_Text(pDX, IDC_CAM_OFF_HOUR, m_nOffHour);
    DDX_Text(pDX, IDC_CAM_OFF_MINUTE, m_nOffMinute);
    DDX_Check(pDX, IDC_CAM_OFF_DISABLE, m_bOffDisabled);
}

void CWeeklyCams1::EnableTime(int nHour, int nHourSpin, int nMinute, int nMinuteSpin, BOOL bEnable)
{
    for (int nID : {nHour, nHourSpin, nMinute, nMinuteSpin})
        GetDlgItem(nID)->EnableWindow(bEnable);
}

// Freed again, the edits follow the cam's own "Disable" check.
void CWeeklyCams1::EnableOffTime(BOOL bEnable)
{
    EnableTime(IDC_CAM_OFF_HOUR, IDC_CAM_OFF_HOUR_SPIN, IDC_CAM_OFF_MINUTE, IDC_CAM_OFF_MINUTE_SPIN,
               bEnable && !m_bOffDisabled);
    GetDlgItem(IDC_CAM_OFF_DISABLE)->EnableWindow(bEnable);
}

void CWeeklyCams1::ClampEdit(int nID, int nMax)
{
    BOOL bNumber = FALSE;
    const int nValue = int(GetDlgItemInt(nID, &bNumber));
    if (bNumber && nValue > nMax)
        SetDlgItemInt(nID, UINT(nMax));
}

BOOL CWeeklyCams1::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    const bool bHour = nID == IDC_CAM_ON_HOUR || nID == IDC_CAM_OFF_HOUR;
    const bool bMinute = nID == IDC_CAM_ON_MINUTE || nID == IDC_CAM_OFF_MINUTE;
    if ((bHour || bMinute) && nCode == EN_UPDATE) {
        ClampEdit(nID, bHour ? kLastHour : kLastMinute);
        return TRUE;
    }
    if (nCode == BN_CLICKED && nID == IDC_CAM_ON_DISABLE) {
        m_bOnDisabled = !m_bOnDisabled;
        EnableTime(IDC_CAM_ON_HOUR, IDC_CAM_ON_HOUR_SPIN, IDC_CAM_ON_MINUTE, IDC_CAM_ON_MINUTE_SPIN, !m_bOnDisabled);
    } else if (nCode == BN_CLICKED && nID == IDC_CAM_OFF_DISABLE) {
        m_bOffDisabled = !m_bOffDisabled;
        EnableTime(IDC_CAM_OFF_HOUR, IDC_CAM_OFF_HOUR_SPIN, IDC_CAM_OFF_MINUTE, IDC_CAM_OFF_MINUTE_SPIN, !m_bOffDisabled);
    } else if (!((bHour || bMinute) && nCode == EN_CHANGE) &&
               !(nCode == BN_CLICKED && nID >= IDC_MONDAY && nID < IDC_MONDAY + WEEK_DAYS)) {
        return CRangeTipPage::OnCommand(wParam, lParam);
    }
    SetModified(TRUE);
    return TRUE;
}

BOOL CWeeklyCams1::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == PSM_QUERYSIBLINGS) {
        EnableOffTime(!wParam);
        // 0 lets every page hear it.
        *pResult = 0;
        return TRUE;
    }
    return CRangeTipPage::OnWndMsg(message, wParam, lParam, pResult);
}
