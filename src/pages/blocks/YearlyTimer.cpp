#include "pages/blocks/YearlyTimer.h"

#include "document/VetlaDoc.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/controls/DateSelectDlg.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SpinRange.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Msg.h"

IMPLEMENT_DYNAMIC(CYearlyTimer, CRangeTipPage)

namespace {

constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;
constexpr int kYearChars = 4;
constexpr int kDateChars = 2;
constexpr LPCTSTR kDayPrompt = _T("Enter an Integer between %d and %d.");

// The day's upper bound by the month exchanged just before; only the upper bound is checked.
void DDV_DayOfMonth(CDataExchange* pDX, int nDay, int nMonth)
{
    const int nLast = LastDayOfMonth(nMonth);
    if (!pDX->m_bSaveAndValidate || nDay <= nLast)
        return;
    CString strPrompt;
    strPrompt.Format(kDayPrompt, 1, nLast);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

}  // namespace

int LastDayOfMonth(int nMonth)
{
    switch (nMonth) {
    case 2:
        return 29;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

CYearlyTimer::CYearlyTimer(int nType) : CRangeTipPage(IDD_YEARLY_TIMER, nType) {}

BOOL CYearlyTimer::OnInitDialog()
{
    CRangeTipPage::OnInitDialog();
    SetupControls();
    for (int nEdit : {IDC_YT_ON_MONTH, IDC_YT_OFF_MONTH})
        SetRangeTip(nEdit, 1, 12);
    for (int nEdit : {IDC_YT_ON_DAY, IDC_YT_OFF_DAY})
        SetRangeTip(nEdit, 1, 31);
    for (int nEdit : {IDC_YT_ON_YEAR, IDC_YT_OFF_YEAR})
        SetRangeTip(nEdit, kFirstYear, kLastYear);
    for (int nButton : {IDC_YT_ON_CALENDAR, IDC_YT_OFF_CALENDAR})
        SetTip(nButton, _T("Calendar"));
    return TRUE;
}

void CYearlyTimer::SetupControls()
{
    const std::pair<int, int> spins[] = {{IDC_YT_ON_MONTH_SPIN, 12}, {IDC_YT_OFF_MONTH_SPIN, 12},
                                         {IDC_YT_ON_DAY_SPIN, 31}, {IDC_YT_OFF_DAY_SPIN, 31}};
    for (const auto& [nSpin, nMax] : spins)
        SetSpinRange(*this, nSpin, 1, nMax);
    for (int nEdit : {IDC_YT_ON_MONTH, IDC_YT_ON_DAY, IDC_YT_OFF_MONTH, IDC_YT_OFF_DAY})
        static_cast<CEdit*>(GetDlgItem(nEdit))->SetLimitText(kDateChars);
    OnMonthly();
    const BOOL bNewer = !m_pDocument || m_pDocument->IsNewGenerationDoc();
    for (int nID : {IDC_YT_ON_YEAR_GROUP, IDC_YT_ON_YEAR_LABEL, IDC_YT_OFF_YEAR_GROUP, IDC_YT_OFF_YEAR_LABEL,
                    IDC_YT_ON_YEAR, IDC_YT_ON_YEAR_SPIN, IDC_YT_OFF_YEAR, IDC_YT_OFF_YEAR_SPIN, IDC_YT_YEARLY,
                    IDC_PULSE_OUTPUT})
        GetDlgItem(nID)->ShowWindow(bNewer ? SW_SHOW : SW_HIDE);
    if (!bNewer)
        return;
    OnPulseOutput();
    for (int nEdit : {IDC_YT_ON_YEAR, IDC_YT_OFF_YEAR})
        static_cast<CEdit*>(GetDlgItem(nEdit))->SetLimitText(kYearChars);
    for (int nSpin : {IDC_YT_ON_YEAR_SPIN, IDC_YT_OFF_YEAR_SPIN})
        SetSpinRange(*this, nSpin, kFirstYear, kLastYear);
}

void CYearlyTimer::DoDataExchange(CDataExchange* pDX)
{
    CRangeTipPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_YT_ON_MONTH, m_nOnMonth);
    DDV_MinMaxInt(pDX, m_nOnMonth, 1, 12);
    DDX_Text(pDX, IDC_YT_ON_DAY, m_nOnDay);
    DDV_DayOfMonth(pDX, m_nOnDay, m_nOnMonth);
    DDX_Text(pDX, IDC_YT_OFF_MONTH, m_nOffMonth);
    DDV_MinMaxInt(pDX, m_nOffMonth, 1, 12);
    DDX_Text(pDX, IDC_YT_OFF_DAY, m_nOffDay);
    DDV_DayOfMonth(pDX, m_nOffDay, m_nOffMonth);
    DDX_Check(pDX, IDC_YT_MONTHLY, m_bMonthly);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
    DDX_Check(pDX, IDC_PULSE_OUTPUT, m_bPulseOutput);
    DDX_Check(pDX, IDC_YT_YEARLY, m_bYearly);
    // The older controllers' years are hidden: they travel as they are, for nobody could mend them.
    const BOOL bNewer = !m_pDocument || m_pDocument->IsNewGenerationDoc();
    DDX_Text(pDX, IDC_YT_ON_YEAR, m_nOnYear);
    if (bNewer)
        DDV_MinMaxInt(pDX, m_nOnYear, kFirstYear, kLastYear);
    DDX_Text(pDX, IDC_YT_OFF_YEAR, m_nOffYear);
    if (bNewer)
        DDV_MinMaxInt(pDX, m_nOffYear, kFirstYear, kLastYear);
}

void CYearlyTimer::EnableControls(std::initializer_list<int> ids, BOOL bEnable)
{
    for (int nID : ids)
        GetDlgItem(nID)->EnableWindow(bEnable);
}

void CYearlyTimer::OnMonthly()
{
    m_bMonthly = IsDlgButtonChecked(IDC_YT_MONTHLY) ? 1 : 0;
    EnableControls({IDC_YT_ON_MONTH, IDC_YT_OFF_MONTH, IDC_YT_ON_MONTH_SPIN, IDC_YT_OFF_MONTH_SPIN}, !m_bMonthly);
    if (!m_pDocument || m_pDocument->IsNewGenerationDoc())
        EnableControls({IDC_YT_YEARLY}, !m_bMonthly);
    SetModified(TRUE);
}

void CYearlyTimer::OnPulseOutput()
{
    m_bPulseOutput = IsDlgButtonChecked(IDC_PULSE_OUTPUT) ? 1 : 0;
    EnableControls({IDC_YT_OFF_DAY, IDC_YT_OFF_DAY_SPIN}, !m_bPulseOutput);
    if (!m_bMonthly)
        EnableControls({IDC_YT_OFF_MONTH, IDC_YT_OFF_MONTH_SPIN}, !m_bPulseOutput);
    SetModified(TRUE);
}

void CYearlyTimer::SelectDate(BOOL bOnDate)
{
    CDateSelectDlg dlg(this);
    const int nMonthID = bOnDate ? IDC_YT_ON_MONTH : IDC_YT_OFF_MONTH;
    const int nDayID = bOnDate ? IDC_YT_ON_DAY : IDC_YT_OFF_DAY;
    int& nMonth = bOnDate ? dlg.m_nMonth1 : dlg.m_nMonth2;
    int& nDay = bOnDate ? dlg.m_nDay1 : dlg.m_nDay2;
    nMonth = int(GetDlgItemInt(nMonthID));
    nDay = int(GetDlgItemInt(nDayID));
    dlg.m_bFirstPair = bOnDate;
    if (dlg.DoModal() != IDOK)
        return;
    SetDlgItemInt(nMonthID, UINT(nMonth));
    SetDlgItemInt(nDayID, UINT(nDay));
}

BOOL CYearlyTimer::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nCode == BN_CLICKED) {
        switch (nID) {
        case IDC_YT_MONTHLY:
            OnMonthly();
            return TRUE;
        case IDC_PULSE_OUTPUT:
            OnPulseOutput();
            return TRUE;
        case IDC_YT_ON_CALENDAR:
        case IDC_YT_OFF_CALENDAR:
            SelectDate(nID == IDC_YT_ON_CALENDAR);
            return TRUE;
        case IDC_PROTECTION:
        case IDC_YT_YEARLY:
            SetModified(TRUE);
            return TRUE;
        default:
            break;
        }
    }
    if (nCode == EN_CHANGE && nID != IDC_BLOCK_NAME)
        SetModified(TRUE);
    return CRangeTipPage::OnCommand(wParam, lParam);
}
