// CDateSelectDlg ("Date Selection"): a month and a day of the month picked from buttons laid out
// like a calendar, for one of the two month/day pairs its caller holds (a period's start and
// end). The chosen month and day show an asterisk; OK is off while the day does not exist in
// the month.
#pragma once

#include "platform/ui/Dialog.h"

constexpr UINT IDD_DATE_SELECT = 225;
// Month m is the button IDC_MONTH_FIRST + m - 1, day d the button IDC_DAY_FIRST + d - 1.
constexpr int IDC_MONTH_FIRST = 1322;
constexpr int IDC_DAY_FIRST = 1334;

class CDateSelectDlg : public CDialog {
    DECLARE_DYNAMIC(CDateSelectDlg)

public:
    explicit CDateSelectDlg(CWnd* pParent = nullptr);

    int m_nMonth1 = 1;
    int m_nDay1 = 1;
    int m_nMonth2 = 1;
    int m_nDay2 = 1;
    // 1 edits the first pair, 0 the second.
    int m_bFirstPair = 1;
    // 0 takes day 29 away in February (a rule that must hold every year).
    int m_bFeb29 = 1;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int& Month() { return m_bFirstPair ? m_nMonth1 : m_nMonth2; }
    int& Day() { return m_bFirstPair ? m_nDay1 : m_nDay2; }
    void OnDateButton(int nID);
    // The days and OK that the month allows.
    void FillCalendar(int nMonth, int nDay);
    void Mark(int nID, int nValue, bool bChosen);
    void EnableItem(int nID, BOOL bEnable);
};
