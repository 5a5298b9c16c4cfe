// CAVGVAL: the page of the average value block: the sampling time as a count and a unit (days,
// hours, minutes, seconds), the number of samples in that time, Retentivity and Protection
// Active. The unit bounds the count, and the count bounds the samples: a controller samples at
// most every 10 ms.
#pragma once

#include "pages/sheet/BlockPage.h"

// Sampling-time units, in the order of the list.
constexpr int AVG_UNIT_DAYS = 0;
constexpr int AVG_UNIT_HOURS = 1;
constexpr int AVG_UNIT_MINUTES = 2;
constexpr int AVG_UNIT_SECONDS = 3;

// The largest sampling time in a unit (365 days, 23 hours, 59 minutes or seconds).
int MaxSampleTime(int nUnit);
// The most samples a sampling time of nTime in nUnit allows.
int SampleLimit(int nUnit, int nTime);

class CAVGVAL : public CBlockPage {
    DECLARE_DYNAMIC(CAVGVAL)

public:
    explicit CAVGVAL(int nType);

    int m_bProtection = 0;
    int m_bRetentive = 0;
    int m_nSamples = 1;
    int m_nSampleTime = 1;
    int m_nSampleUnit = AVG_UNIT_DAYS;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    // The time and the samples brought within the unit's bounds, the spins to match.
    void ApplyBounds();

    // Set while the page writes the edits itself.
    BOOL m_bAdjusting = FALSE;
};
