// CWeeklyCams1: one cam of the weekly timer: its weekdays, its on and off time (hour and minute)
// and whether each time is used. With pulse output the off time means nothing: the page greys
// it, following the pulse-output flag of its own sheet's general page.
#pragma once

#include "pages/blocks/RangeTipPage.h"

constexpr int WEEK_DAYS = 7;

class CWeeklyCams1 : public CRangeTipPage {
    DECLARE_DYNAMIC(CWeeklyCams1)

public:
    explicit CWeeklyCams1(int nType);

    // Day 0 is Sunday, as the block counts.
    int m_bDays[WEEK_DAYS] = {};
    int m_nOnHour = 0;
    int m_nOnMinute = 0;
    int m_bOnDisabled = 1;
    int m_nOffHour = 0;
    int m_nOffMinute = 0;
    int m_bOffDisabled = 1;

    // Frees or greys the off time's "Disable" check, and its edits and spins (freed only while
    // the off time is in use).
    void EnableOffTime(BOOL bEnable);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    // The pulse-output flag of the general page of this page's sheet.
    BOOL SheetPulseOutput() const;
    void EnableTime(int nHour, int nHourSpin, int nMinute, int nMinuteSpin, BOOL bEnable);
    void ClampEdit(int nID, int nMax);
};
