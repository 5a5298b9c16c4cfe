// CHoursCounter: the page of the hours counter: the maintenance interval MI in hours and
// minutes, or another block's value in hours; the start of the operating time OT; "Output is
// not 0,If En=0" and Protection Active. Retentivity shows ticked and cannot change. The older
// controllers count whole hours without references.
#pragma once

#include "pages/blocks/RangeTipPage.h"
#include "pages/sheet/TimeValueRow.h"

class CHoursCounter : public CRangeTipPage {
    DECLARE_DYNAMIC(CHoursCounter)

public:
    explicit CHoursCounter(int nType);

    int m_bProtection = 0;
    int m_bRetentive = 1;
    int m_nOTHours = 0;
    int m_nOTMinutes = 0;
    int m_bOutputNotZero = 0;
    // The maintenance interval: hours high, minutes low.
    CTimeValueRow m_interval;

    // Apply: the operating time into the running counter, re-seeding its counts.
    BlockWrite MakeBlockWrite(BOOL bApply) const override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void ShowUnit();
};

// The maintenance interval's words.
extern const TimeSlot HCOUNTER_MI_SLOT;

// "MI=..h..m/MN=..h..m/OT=..h..m" of the interval and the running counts.
BOOL HoursCounterValue(CBlockObj& block, const CSimContext& sim, CString& strText);
// What Apply gives a running counter beyond its bound words (the interval's among them).
struct HoursCounterApply {
    int nMIHours;
    int nMIMinutes;
    BOOL bReferenced;
    int nOTHours;
    int nOTMinutes;
    // The simulation's run is under way; a stopped run takes only the hours.
    BOOL bRunUnderWay;
};
// In a run under way the interval re-seeds the time to the next maintenance; the operating
// time's hours are taken only while the counter is neither counting (En) nor held in reset,
// which starts it from nothing, and a counting period keeps the start it began with. A stopped
// run takes the operating time's hours as they stand and re-seeds nothing. A changed OT start
// also replaces the one the run counts from.
void ApplyToRunningHoursCounter(const HoursCounterApply& apply, CBlockObj& block);
