// CYearlyTimer: the page of the yearly timer: an on and an off date (month and day, typed or
// picked from the calendar), the on and off year, and the flags Monthly, Yearly, Pulse Output
// and Protection Active. The years, Yearly and Pulse Output are the newer controllers'.
#pragma once

#include "pages/blocks/RangeTipPage.h"

// The largest day of a month that the date check allows (29 in February, whatever the year);
// 31 for a month outside 1..12, which fails its own check first.
int LastDayOfMonth(int nMonth);

class CYearlyTimer : public CRangeTipPage {
    DECLARE_DYNAMIC(CYearlyTimer)

public:
    explicit CYearlyTimer(int nType);

    int m_nOnMonth = 1;
    int m_nOnDay = 1;
    int m_nOffMonth = 1;
    int m_nOffDay = 1;
    int m_bMonthly = 0;
    int m_bProtection = 0;
    int m_bPulseOutput = 0;
    int m_bYearly = 1;
    int m_nOnYear = 2000;
    int m_nOffYear = 2099;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void SetupControls();
    void OnMonthly();
    void OnPulseOutput();
    // The calendar for the on (first) or the off pair of edits.
    void SelectDate(BOOL bOnDate);
    void EnableControls(std::initializer_list<int> ids, BOOL bEnable);
};
