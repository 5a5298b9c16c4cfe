// CBlockTime: the base of the fourteen timer blocks (type codes 400-413). Besides the setpoints
// and time bases that live in the generic parameter words, it holds the working flags of the
// timer steps and the cam table of the weekly timer, which every timer stores.
#pragma once

#include "blocks/BlockObj.h"

#include <cstdint>
#include <optional>

constexpr int TIMER_CAM_COUNT = 3;
constexpr int TIMER_WORK_COUNT = 6;
// The cam table as the record stores it: 21 day flags, 6 ON times, 3 ON flags, 6 OFF times, 3
// OFF flags.
constexpr int TIMER_CAM_WORDS = 39;

// The setpoints of a timer: high and low part (hours:minutes, minutes:seconds or
// seconds:hundredths) and time-base index of the ON and OFF setpoint, and the unit of each
// while a block (reference 0 or 1) supplies it.
constexpr int TIMER_ON_HIGH_PARAM = 9;
constexpr int TIMER_ON_LOW_PARAM = 8;
constexpr int TIMER_ON_BASE_PARAM = 10;
constexpr int TIMER_ON_REF_UNIT_PARAM = 11;
constexpr int TIMER_OFF_HIGH_PARAMEX = 1;
constexpr int TIMER_OFF_LOW_PARAMEX = 0;
constexpr int TIMER_OFF_BASE_PARAMEX = 2;
constexpr int TIMER_OFF_REF_UNIT_PARAM = 12;

// The run time a cycle adds while the Simulation bar steps by cycles.
constexpr double TIMER_CYCLE_MS = 10.0;

class CBlockTime : public CBlockObj {
    DECLARE_SERIAL(CBlockTime)

public:
    CBlockTime();
    CBlockTime(int nType, int nInputs);

    // Nothing timed: every working field of its steps cleared.
    void ResetForRun(const SYSTEMTIME& stNow) override;

    // The common record, then the cam table as 39 ints. A time-base word that names no row of
    // the time tables loads as stored and reads as the finest base (seconds) wherever it is
    // used.
    void Serialize(CArchive& ar) override;

    // The block in its state colour, then (except for the weekly timer, which shows nothing
    // beside itself) the value box.
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    // The value box: FormatTime's text on a pale yellow strip 1.5 block widths wide below the
    // block.
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;

    // Virtual operations after those of CBlockObj.
    // Measures the running time (unless paused, or stepping by cycles, where each cycle
    // adds to it) and tells whether it has passed the ON (bOn) or OFF setpoint; a time that is up is
    // held at the setpoint. Equal is not yet up.
    virtual BOOL IsTimeUp(const CSimContext* pSim, BOOL bOn);
    // Re-reads the ON or OFF setpoint; when it changed, the running time shows the new
    // setpoint with nothing remaining. TRUE when it changed.
    virtual BOOL UpdateSetpoint(BOOL bOn);
    // The setpoint last read is forgotten, as in a block just loaded: the next UpdateSetpoint
    // shows the setpoint again.
    void ForgetSetpoint();
    // The clock the last scan stood at is forgotten, as at the start of a run: the next scan of
    // a clock timer's pulse output only notes where the clock stands.
    void ForgetClock() { m_nClockSeen.reset(); }

    // One counted cycle of stepping by cycles: 10 ms more running time for a timer that is
    // timing (its first working field set or, except for the edge triggered wiping relay and
    // the random generator, its second).
    void AdvanceByCycle();

    // The ON or OFF setpoint in milliseconds: the referenced block's value through the
    // time-limit table (clamped to 0 .. maximum, or only from above without bLowerLimit),
    // else the parameter parts through the time-base table.
    double GetSetpointMs(BOOL bOn, BOOL bLowerLimit = TRUE) const;
    // The time base of the ON or OFF setpoint: the reference's unit while a block supplies it.
    int GetTimeBase(BOOL bOn) const;
    // (modulus x high + low) x ms per unit of a time base.
    static double PartsToMs(int nHigh, int nLow, int nBase);
    // The value of block reference nRef clamped from above (and from below at 0 when
    // bLowerLimit) by the time-limit row of nBase, in milliseconds; 0 without a block.
    double ReferencedMs(int nRef, int nBase, BOOL bLowerLimit) const;

    // The first working field: set while a timing interval runs. While the simulation steps by
    // cycles each cycle adds 10 ms to the running time of a timer with this field (or,
    // except for the edge triggered wiping relay and the random generator, the second working
    // field m_nWork[0]) set.
    int m_bTiming = 0;
    // The further working fields of the subclasses' steps (phase, done and the like).
    int m_nWork[TIMER_WORK_COUNT] = {};

    // Word n of the cam table in its record order; null outside 0 .. TIMER_CAM_WORDS - 1.
    int* CamWord(int n);
    const int* CamWord(int n) const { return const_cast<CBlockTime*>(this)->CamWord(n); }

    // The cam table, cam 0 first. Day 0 is Sunday, as SYSTEMTIME numbers the days.
    int m_bDay[TIMER_CAM_COUNT][7] = {};
    int m_nOnTime[TIMER_CAM_COUNT][2] = {};   // hour, minute
    int m_bOnDisabled[TIMER_CAM_COUNT] = {};  // 1: the ON time is not set
    int m_nOffTime[TIMER_CAM_COUNT][2] = {};
    int m_bOffDisabled[TIMER_CAM_COUNT] = {};

protected:
    // Copies the whole cam table into another timer.
    void CopyCamsTo(CBlockTime* pDst) const;

    // The running time follows the clock while the simulation runs freely or steps by a time
    // unit; stepping by cycles advances it by hand (AdvanceByCycle).
    // The running time from the clock plus dCarried, when the clock drives it. FALSE while
    // paused, when nothing may be measured.
    BOOL MeasureRunTime(const CSimContext* pSim, double dCarried);
    // The scan's simulated clock in milliseconds.
    static double ClockMs(const CSimContext* pSim);
    // Simulated time since the reference stamp; frozen at the pause stamp while paused.
    double TimeSinceStamp(const CSimContext* pSim) const;
    // Starts a timing interval: the reference stamp takes the clock, and the scan is asked to
    // stamp it once more at the end of the scan.
    void StampInterval(const CSimContext* pSim);
    // The same with the running and carried time cleared.
    void StartInterval(const CSimContext* pSim);
    int GetState() const { return m_nPinValue[BLOCK_FIRST_OUTPUT]; }
    // A change of the state in a ladder document flags output pin 10 for EndStep.
    void SetState(const CSimContext* pSim, int nState);
    // A flagged state change reaches the ladder contacts of this block.
    void EndStep();
    // A clock timer's pulse output: TRUE in the one scan whose clock (nNow, seconds since 1970)
    // has reached nOnAt, the latest ON moment, while the scan before had not. A scan that follows
    // no other (the first of a run, the first after Stop) or a Set Clock only notes the clock:
    // the clock was put there and ran into nothing.
    BOOL IsPulseDue(const CSimContext* pSim, std::optional<std::int64_t> nOnAt, std::int64_t nNow);

private:
    void SerializeCams(CArchive& ar);

    // The clock of the scan before, in seconds since 1970; nothing before the first.
    std::optional<std::int64_t> m_nClockSeen;
};
