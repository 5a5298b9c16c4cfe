// CThresholdTrigger: the page of the threshold trigger: the on and off thresholds of the pulse
// count and the gate time, seconds and hundredths or, on the newer controllers, another
// block's value in milliseconds; Protection Active.
#pragma once

#include "pages/blocks/RangeTipPage.h"
#include "pages/sheet/TimeValueRow.h"

class CThresholdTrigger : public CRangeTipPage {
    DECLARE_DYNAMIC(CThresholdTrigger)

public:
    explicit CThresholdTrigger(int nType);

    int m_nOffThreshold = 0;
    int m_nOnThreshold = 0;
    int m_bProtection = 0;
    // The gate time: seconds high, hundredths low.
    CTimeValueRow m_gate;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void ShowUnit();
};

// The gate time's words: the time 2 slot with its base fixed to seconds.
extern const TimeSlot THTRG_GATE_SLOT;

// The live value: the last gate's count, then the gate's running time "ss:hhs".
BOOL ThresholdTriggerValue(CBlockObj& block, const CSimContext& sim, CString& strText);
