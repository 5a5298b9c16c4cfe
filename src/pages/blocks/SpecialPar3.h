// CSpecialPar3: the page of the stairway lighting switch: the off delay T, the pre-warning time
// T! and period T!L, each a constant or a reference, the option of the standard pre-warning,
// Retentivity and Protection Active. T! and T!L have no base of their own: they are read in T's
// base, or in T's reference unit while T is referenced (the governing base).
#pragma once

#include "pages/blocks/RangeTipPage.h"
#include "pages/sheet/TimeValueRow.h"

class CVetlaDoc;

// The low parts of the standard pre-warning (both high parts are 0).
struct WarningPair {
    int nWarnLow;
    int nPeriodLow;
};
// The stairway switch's: 0:15 and 0:01 in hours or minutes, 0.75 s and 0.05 s in seconds.
WarningPair StairwayStandardWarning(int nBase);
// The multi-function switch's: no pre-warning.
WarningPair NoWarning(int nBase);

// The block words of T!, T!L and the standard flag shared by both switches.
extern const TimeSlot WARN_TIME_SLOT;
extern const TimeSlot WARN_PERIOD_SLOT;

// After OK or Apply: a pre-warning that is the standard one and takes nothing from a block sets
// the block's standard flag.
void MarkStandardWarning(CVetlaDoc& doc, CBlockObj* pBlock, BOOL bSimulating);

class CSpecialPar3 : public CRangeTipPage {
    DECLARE_DYNAMIC(CSpecialPar3)

public:
    explicit CSpecialPar3(int nType);

    int m_bStandard = 1;
    int m_bRetentive = 0;
    int m_bProtection = 0;
    CTimeValueRow m_off;
    CTimeValueRow m_warn;
    CTimeValueRow m_period;

protected:
    CSpecialPar3(UINT nIDTemplate, int nType);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    BOOL ShowsCurrentValue() const override { return TRUE; }
    // The two switches' value box sits lower in the sheet's taller strip than the other
    // timers' boxes.
    ValueBoxFamily GetValueBoxFamily() const override { return ValueBoxFamily::C; }

    // The rows with their block words, T first.
    struct Row {
        CTimeValueRow* pRow;
        const TimeSlot* pSlot;
    };
    virtual std::vector<Row> Rows();
    // The multi-function switch keeps the standard state through a change of T.
    virtual bool RedoesStandardOnChange() const { return true; }
    virtual WarningPair StandardPair(int nBase) const { return StairwayStandardWarning(nBase); }

private:
    // T's shown base, or its reference unit while it is referenced.
    int GoverningBase();
    void SetTips();
    // The standard-values check: gives up the pre-warning's references, sets the standard
    // values and greys them; cleared, frees them.
    void ApplyStandardState();
    void ShowUnitLabels();
    void ClampLowParts();
    void GiveUpInRunningBlock(const CTimeValueRow& row, const TimeSlot& slot);
};
