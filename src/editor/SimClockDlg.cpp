#include "editor/SimClockDlg.h"

#include "editor/ChildFrame.h"
#include "platform/ui/Button.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CSimClockDlg, CDialog)

BEGIN_MESSAGE_MAP(CSimClockDlg, CDialog)
    ON_BN_CLICKED(IDC_SIM_CLOCK_APPLY, OnApply)
    ON_BN_CLICKED(IDC_SIM_CLOCK_IMMEDIATE, OnImmediateClicked)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_SIM_CLOCK_DATE, OnDateChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_SIM_CLOCK_TIME, OnTimeChange)
END_MESSAGE_MAP()

void RegisterSimClockTemplate()
{
    DialogTemplate dlg;
    dlg.nID = IDD_SIM_CLOCK;
    dlg.strCaption = _T("Set Clock");
    dlg.dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT;
    dlg.size = CSize(157, 99);
    dlg.items = {
        DialogItem(IDC_SIM_CLOCK_SHOWN, WC_STATIC, SS_LEFT, CRect(7, 4, 150, 23)),
        DialogItem(IDC_SIM_CLOCK_DATE, DATETIMEPICK_CLASS, WS_TABSTOP | WS_GROUP | DTS_SHORTDATEFORMAT, CRect(7, 25, 77, 39)),
        DialogItem(IDC_SIM_CLOCK_TIME, DATETIMEPICK_CLASS, WS_TABSTOP | DTS_TIMEFORMAT, CRect(82, 25, 150, 39)),
        DialogItem(IDC_SIM_CLOCK_IMMEDIATE, WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX, CRect(7, 47, 150, 59),
             _T("Apply values immediately")),
        DialogItem(IDC_SIM_CLOCK_APPLY, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(7, 78, 50, 92), _T("Apply")),
        DialogItem(IDOK, WC_BUTTON, WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(57, 78, 100, 92), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(107, 78, 150, 92), _T("Cancel")),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

CSimClockDlg::CSimClockDlg(CChildFrame* pFrame) : CDialog(IDD_SIM_CLOCK), m_pFrame(pFrame) {}

BOOL CSimClockDlg::Create(CButton* pButton, int* pApplyImmediately, CWnd* pParentWnd)
{
    m_pButton = pButton;
    m_pApplyImmediately = pApplyImmediately;
    if (!AfxFindDialogTemplate(IDD_SIM_CLOCK))
        RegisterSimClockTemplate();
    return CDialog::Create(IDD_SIM_CLOCK, pParentWnd);
}

SYSTEMTIME CSimClockDlg::RangeMin() { return SYSTEMTIME{2000, 1, 6, 1, 0, 0, 0, 0}; }

SYSTEMTIME CSimClockDlg::RangeMax() { return SYSTEMTIME{2099, 12, 4, 31, 23, 59, 59, 0}; }

CDateTimeCtrl* CSimClockDlg::Picker(UINT nID) const { return dynamic_cast<CDateTimeCtrl*>(GetDlgItem(int(nID))); }

BOOL CSimClockDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SYSTEMTIME stClock = {};
    m_pFrame->GetSimTime(&stClock);
    const SYSTEMTIME stMin = RangeMin();
    const SYSTEMTIME stMax = RangeMax();
    if (CDateTimeCtrl* pDate = Picker(IDC_SIM_CLOCK_DATE)) {
        pDate->SetRange(&stMin, &stMax);
        pDate->SetTime(&stClock);
    }
    if (CDateTimeCtrl* pTime = Picker(IDC_SIM_CLOCK_TIME))
        pTime->SetTime(&stClock);
    ShowClock();
    CheckDlgButton(IDC_SIM_CLOCK_IMMEDIATE, m_pApplyImmediately && *m_pApplyImmediately ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

BOOL CSimClockDlg::GetPickedTime(SYSTEMTIME* pOut) const
{
    const CDateTimeCtrl* pDate = Picker(IDC_SIM_CLOCK_DATE);
    const CDateTimeCtrl* pTime = Picker(IDC_SIM_CLOCK_TIME);
    SYSTEMTIME stDate = {};
    SYSTEMTIME stTime = {};
    if (!pDate || !pTime || pDate->GetTime(&stDate) != GDT_VALID || pTime->GetTime(&stTime) != GDT_VALID)
        return FALSE;
    stDate.wHour = stTime.wHour;
    stDate.wMinute = stTime.wMinute;
    stDate.wSecond = stTime.wSecond;
    if (!AfxIsValidSystemTime(stDate) || AfxCompareSystemTime(stDate, RangeMin()) < 0 ||
        AfxCompareSystemTime(stDate, RangeMax()) > 0)
        return FALSE;
    *pOut = stDate;
    return TRUE;
}

BOOL CSimClockDlg::ApplyPickedTime()
{
    SYSTEMTIME st = {};
    if (!GetPickedTime(&st))
        return FALSE;
    m_pFrame->SetSimTime(&st);
    ShowClock();
    return TRUE;
}

void CSimClockDlg::ShowClock()
{
    CString strClock;
    m_pFrame->FormatSimTime(strClock, FALSE, SIMTIME_FULL);
    SetDlgItemText(IDC_SIM_CLOCK_SHOWN, strClock);
}

void CSimClockDlg::OnApply()
{
    ApplyPickedTime();
    OnImmediateClicked();
}

void CSimClockDlg::OnImmediateClicked()
{
    if (m_pApplyImmediately)
        *m_pApplyImmediately = IsDlgButtonChecked(IDC_SIM_CLOCK_IMMEDIATE) == BST_CHECKED;
}

// A change of either picker sets the whole clock from both, so that a date changed before does
// not fall back to the one the time picker was opened with.
void CSimClockDlg::OnDateChange(NMHDR*, LRESULT* pResult)
{
    if (IsDlgButtonChecked(IDC_SIM_CLOCK_IMMEDIATE) == BST_CHECKED)
        ApplyPickedTime();
    *pResult = 0;
}

void CSimClockDlg::OnTimeChange(NMHDR* pNMHDR, LRESULT* pResult) { OnDateChange(pNMHDR, pResult); }

void CSimClockDlg::OnOK()
{
    if (!ApplyPickedTime())
        return;
    Close();
}

void CSimClockDlg::OnCancel() { Close(); }

void CSimClockDlg::Close()
{
    CButton* pButton = m_pButton;
    DestroyWindow();
    if (pButton && pButton->m_hWnd)
        pButton->SetCheck(BST_UNCHECKED);
}
