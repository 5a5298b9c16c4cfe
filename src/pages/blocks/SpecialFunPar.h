// CSpecialFunPar: the page of the timers with one time (on-delay, off-delay, retentive on-delay,
// wiping relay): the time as a constant or a reference, Retentivity and Protection Active.
#pragma once

#include "pages/blocks/RangeTipPage.h"
#include "pages/sheet/TimeValueRow.h"

class CSpecialFunPar : public CRangeTipPage {
    DECLARE_DYNAMIC(CSpecialFunPar)

public:
    explicit CSpecialFunPar(int nType);

    int m_bProtection = 0;
    int m_bRetentive = 0;
    CTimeValueRow m_time;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A referenced time keeps no constant, and the reference is in force only with a block.
    void OnOK() override;
    BOOL ShowsCurrentValue() const override { return TRUE; }
};
