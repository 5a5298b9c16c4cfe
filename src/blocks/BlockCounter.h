// The counting blocks: Up/Down Counter (800), Hours Counter (801) and Threshold Trigger (802).
// They store only the common record; their counts are run-time state.
#pragma once

#include "blocks/BlockObj.h"

constexpr int COUNTER_START_PARAM = 7;
constexpr int COUNTER_ON_PARAM = 9;
constexpr int COUNTER_OFF_PARAMEX = 1;

// The maintenance interval MI and the operating-time parameter OT as hours and minutes, their
// time base (0, hours), and the output retention (0: the output falls while En is 0).
constexpr int HCOUNTER_MI_HOURS_PARAM = 9;
constexpr int HCOUNTER_MI_MINUTES_PARAM = 8;
constexpr int HCOUNTER_OT_HOURS_PARAMEX = 1;
constexpr int HCOUNTER_OT_MINUTES_PARAMEX = 0;
constexpr int HCOUNTER_BASE_PARAM = 10;
constexpr int HCOUNTER_RETAIN_OUTPUT_PARAMEX = 4;

// The threshold trigger's On and Off thresholds and its gate time as seconds and hundredths.
constexpr int THTRG_ON_PARAM = 9;
constexpr int THTRG_OFF_PARAM = 8;
constexpr int THTRG_GATE_SECONDS_PARAMEX = 1;
constexpr int THTRG_GATE_HUNDREDTHS_PARAMEX = 0;

// The count (m_dRunTime) starts at the start value and stays within 0 .. 999999.
class CBlockCOUNTER : public CBlockObj {
    DECLARE_SERIAL(CBlockCOUNTER)

public:
    CBlockCOUNTER();
    explicit CBlockCOUNTER(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
    // Counts from its start value.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;
    // A start value other than 0.
    CString OlderLineProblem(long long nIndex, const CString& strCaption) const override;

    // Set in a counting scan when the threshold of the counting direction comes from a block.
    int m_bRefThreshold = 0;
};

// Totals the time its enable input is on and signals when the maintenance interval MI has run
// out. All counts are in minutes. A referenced interval is held to 9999 hours, and R restores
// the time to go to the interval.
class CBlockHCOUNTER : public CBlockObj {
    DECLARE_SERIAL(CBlockHCOUNTER)

public:
    CBlockHCOUNTER();
    explicit CBlockHCOUNTER(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
    // Counts on from the stored operating time, its maintenance interval whole.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // The counting period's start moves too: a pause or a clock set is no operating time.
    void ShiftStamps(std::int64_t nMs) override;
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;
    // The three value lines: MI, MN and OT as hours and minutes.
    void FormatValueLines(CString lines[3]) const;
    // Minutes in the interval or the operating time: the older line counts whole hours.
    CString OlderLineProblem(long long nIndex, const CString& strCaption) const override;

    int m_nRefValue = 0;        // the remaining time last derived from the parameters
    int m_nMNMinutes = 0;       // MN: time to the next maintenance
    int m_nOTMinutes = 0;       // OT: total operating time
    int m_nOTStart = 0;         // OT when the current counting period started
    // The OT parameter in minutes as the run sees it: taken from the stored one at the start of
    // a run, cleared by Ral. Ral must not reach the stored program, which a download or a save
    // after the run would carry without an undo step.
    int m_nRunOTParam = 0;
    SYSTEMTIME m_stCountStart = {};  // start of the current counting period

    // The time to go, in minutes, that the parameters give (or the referenced interval).
    int DerivedInterval();

private:
    void CountOperatingTime(const CSimContext* pSim);
};

// Counts pulses over a gate time and compares the count with the On and Off thresholds.
class CBlockTHTRG : public CBlockObj {
    DECLARE_SERIAL(CBlockTHTRG)

public:
    CBlockTHTRG();
    explicit CBlockTHTRG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
    // No count, no gate running.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;
    // Measures the gate's running time (m_dRunTime, ms) and tells whether the gate time has
    // been reached; reaching it exactly is enough. bOn is not used: the trigger has one gate.
    BOOL IsTimeUp(const CSimContext* pSim, BOOL bOn);

    int m_nMeasured = 0;     // fa: the count of the last completed gate
    int m_nPulseCount = 0;
    int m_bGateRunning = 0;

private:
    void CountFrequencyInput(const CSimContext* pSim);
    // The gate time: the parameter, or the referenced value in ms (0 when negative).
    double GateTimeMs();
};
