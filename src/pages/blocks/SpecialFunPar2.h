// CSpecialFunPar2: the page of the timers with two times TH and TL (on-/off-delay, edge
// triggered wiping relay, asynchronous pulse and random generators), each a constant or a
// reference, with Retentivity (not for the random generator), Protection Active and the edge
// triggered wiping relay's number of pulse cycles.
#pragma once

#include "pages/blocks/RangeTipPage.h"
#include "pages/sheet/TimeValueRow.h"

class CSpecialFunPar2 : public CRangeTipPage {
    DECLARE_DYNAMIC(CSpecialFunPar2)

public:
    explicit CSpecialFunPar2(int nType);

    int m_bProtection = 0;
    int m_bRetentive = 0;
    // The number of pulse cycles less one.
    int m_nPulseCycles = 0;
    CTimeValueRow m_time1;
    CTimeValueRow m_time2;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void ArrangeForType();
    // A reference given up while simulating ends at once in the running block.
    void GiveUpInRunningBlock(const CTimeValueRow& row, const TimeSlot& slot);
};
