#include "pages/controls/DateSelectDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"

#include <utility>

IMPLEMENT_DYNAMIC(CDateSelectDlg, CDialog)

namespace {

constexpr int kMonths = 12;
constexpr int kDays = 31;
constexpr int kFebruary = 2;
// The dialog opens this far below where it would be centred, clear of the page that opened it.
constexpr int kDropBelow = 150;

void RegisterDateTemplate()
{
    if (AfxFindDialogTemplate(IDD_DATE_SELECT))
        return;
    DialogTemplate t;
    t.nID = IDD_DATE_SELECT;
    t.strCaption = _T("Date Selection");
    t.size = CSize(202, 166);
    for (int m = 1; m <= kMonths; ++m) {
        const int x = 10 + ((m - 1) % 6) * 31;
        const int y = 17 + ((m - 1) / 6) * 13;
        CString strText;
        strText.Format(_T("%d"), m);
        t.items.push_back(DialogItem(UINT(IDC_MONTH_FIRST + m - 1), WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP,
                                     CRect(x, y, x + 28, y + 12), strText));
    }
    for (int d = 1; d <= kDays; ++d) {
        const int x = 10 + ((d - 1) % 7) * 26;
        const int y = 64 + ((d - 1) / 7) * 15;
        CString strText;
        strText.Format(_T("%d"), d);
        t.items.push_back(DialogItem(UINT(IDC_DAY_FIRST + d - 1), WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP,
                                     CRect(x, y, x + 23, y + 13), strText));
    }
    // The frames last, so that they stay below the buttons they surround.
    t.items.push_back(DialogItem(0xFFFF, WC_BUTTON, BS_GROUPBOX, CRect(5, 3, 197, 47), _T("Month")));
    t.items.push_back(DialogItem(0xFFFF, WC_BUTTON, BS_GROUPBOX, CRect(5, 50, 197, 142), _T("Day")));
    t.items.push_back(DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(91, 147, 141, 161), _T("OK")));
    t.items.push_back(DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(147, 147, 197, 161), _T("Cancel")));
    AfxRegisterDialogTemplate(std::move(t));
}

bool HasThirtyOneDays(int nMonth)
{
    return nMonth == 1 || nMonth == 3 || nMonth == 5 || nMonth == 7 || nMonth == 8 || nMonth == 10 || nMonth == 12;
}

}  // namespace

CDateSelectDlg::CDateSelectDlg(CWnd* pParent) : CDialog(IDD_DATE_SELECT, pParent) { RegisterDateTemplate(); }

BOOL CDateSelectDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rect;
    GetWindowRect(rect);
    SetWindowPos(nullptr, rect.left, rect.top + kDropBelow, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Every month and every day but the 31st is drawn as a default button.
    for (int nID = IDC_MONTH_FIRST; nID < IDC_DAY_FIRST + kDays - 1; ++nID) {
        if (auto* pButton = dynamic_cast<CButton*>(GetDlgItem(nID)))
            pButton->SetButtonStyle(BS_DEFPUSHBUTTON);
    }
    // A month from a file that no button offers, or a cleared box, starts at the first button,
    // so that the marks, the calendar and what OK writes back agree.
    if (Month() < 1 || Month() > kMonths)
        Month() = 1;
    if (Day() < 1 || Day() > kDays)
        Day() = 1;
    Mark(IDC_MONTH_FIRST + Month() - 1, Month(), true);
    Mark(IDC_DAY_FIRST + Day() - 1, Day(), true);
    FillCalendar(Month(), Day());
    return TRUE;
}

BOOL CDateSelectDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    if (HIWORD(DWORD(wParam)) == BN_CLICKED && nID >= IDC_MONTH_FIRST && nID < IDC_DAY_FIRST + kDays) {
        OnDateButton(nID);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDateSelectDlg::OnDateButton(int nID)
{
    if (CWnd* pButton = GetDlgItem(nID))
        pButton->SendMessage(BM_SETCHECK, 1);
    if (nID < IDC_DAY_FIRST) {
        Mark(IDC_MONTH_FIRST + Month() - 1, Month(), false);
        Month() = nID - IDC_MONTH_FIRST + 1;
        Mark(nID, Month(), true);
    } else {
        Mark(IDC_DAY_FIRST + Day() - 1, Day(), false);
        Day() = nID - IDC_DAY_FIRST + 1;
        Mark(nID, Day(), true);
    }
    FillCalendar(Month(), Day());
}

void CDateSelectDlg::Mark(int nID, int nValue, bool bChosen)
{
    CString strText;
    strText.Format(bChosen ? _T("%d*") : _T("%d"), nValue);
    SetDlgItemText(nID, strText);
}

void CDateSelectDlg::EnableItem(int nID, BOOL bEnable)
{
    if (CWnd* pItem = GetDlgItem(nID))
        pItem->EnableWindow(bEnable);
}

void CDateSelectDlg::FillCalendar(int nMonth, int nDay)
{
    const int nDay29 = IDC_DAY_FIRST + 28;
    const int nDay30 = IDC_DAY_FIRST + 29;
    const int nDay31 = IDC_DAY_FIRST + 30;
    if (HasThirtyOneDays(nMonth)) {
        if (!m_bFeb29)
            EnableItem(nDay29, TRUE);
        EnableItem(nDay30, TRUE);
        EnableItem(nDay31, TRUE);
        EnableItem(IDOK, TRUE);
    } else if (nMonth != kFebruary) {
        if (!m_bFeb29)
            EnableItem(nDay29, TRUE);
        if (nDay == 31) {
            EnableItem(IDOK, FALSE);
            return;
        }
        EnableItem(nDay30, TRUE);
        EnableItem(nDay31, FALSE);
        EnableItem(IDOK, TRUE);
    } else {
        if (!m_bFeb29)
            EnableItem(nDay29, FALSE);
        // Days February never has stay off; OK waits for a day it has.
        EnableItem(nDay30, FALSE);
        EnableItem(nDay31, FALSE);
        EnableItem(IDOK, nDay < 30 && (m_bFeb29 || nDay < 29));
    }
}
