// The generators and switches of the timer family: Asynchronous Pulse Generator (406), Random
// Generator (407), Stairway Lighting Switch (408) and Multiple Function Switch (409).
//
// Working fields: the pulse generator keeps its enabled flag in m_bTiming and its phase in
// m_nWork[0] (1: the second phase, timed by TL); the random generator its timing flag in
// m_bTiming and its phase in m_nWork[0] (1: waiting to switch off); the two switches their
// timing flag in m_bTiming.
#pragma once

#include "blocks/BlockTime.h"

class CBlockAPG : public CBlockTime {
    DECLARE_SERIAL(CBlockAPG)

public:
    CBlockAPG();
    explicit CBlockAPG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // NOT Inv for TH, then Inv for TL, repeated while En is 1; 0 while En is 0.
    BOOL Simulate(const CSimContext* pSim) override;
    // No phase has ended yet.
    void ResetForRun(const SYSTEMTIME& stNow) override;

    // Written when En falls: 1 when the generator was in its first phase, else 0.
    int m_nStopPhase = 0;
};

class CBlockRG : public CBlockTime {
    DECLARE_SERIAL(CBlockRG)

public:
    CBlockRG();
    explicit CBlockRG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // En rising switches on after a random part of TH, En falling off after a random part
    // of TL.
    BOOL Simulate(const CSimContext* pSim) override;
    // Draws the ON or OFF delay from the C runtime's generator (reseeded with its own next
    // value): rand() modulo the setpoint in milliseconds, so never above 32767 ms.
    void PickRandomDelay(BOOL bOn);
    // As the base, but against the drawn delay, without carried time, and a delay equal to
    // the running time is up.
    BOOL IsTimeUp(const CSimContext* pSim, BOOL bOn) override;

    // The random ON and OFF delays last drawn, as seconds and hundredths.
    int m_nOnDelaySec = 0;
    int m_nOnDelayHund = 0;
    int m_nOffDelaySec = 0;
    int m_nOffDelayHund = 0;
};

// Warning states of the two staircase switches.
constexpr int WARNING_NONE = 0;
constexpr int WARNING_BLINKING = 1;
constexpr int WARNING_DONE = 2;

// The warning time T! and warning length T!L of both staircase switches (408, 409), high and low
// part each, read in the time base of the OFF setpoint T; block references 2 and 3 replace them.
// 1: the pre-warning is the standard one the property page offers.
constexpr int STAIRCASE_STANDARD_PARAMEX = 4;
constexpr int STAIRCASE_WARN_TIME_HIGH_PARAMEX = 6;
constexpr int STAIRCASE_WARN_TIME_LOW_PARAMEX = 5;
constexpr int STAIRCASE_WARN_LENGTH_HIGH_PARAMEX = 8;
constexpr int STAIRCASE_WARN_LENGTH_LOW_PARAMEX = 7;

class CBlockSLS : public CBlockTime {
    DECLARE_SERIAL(CBlockSLS)

public:
    CBlockSLS();
    explicit CBlockSLS(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // The light comes on with Trg and goes off T after the last release; T! before the end
    // it blinks off for T!L as a warning.
    BOOL Simulate(const CSimContext* pSim) override;
    // T (the OFF setpoint), the warning time T! and the warning length T!L of a staircase
    // switch in milliseconds; references 1, 2 and 3 replace them, limited from above only.
    static void GetWarningTimes(const CBlockTime& timer, double* pTime, double* pWarnTime,
                                double* pWarnLength);
    // TRUE when the warning blink switches the light in this scan.
    BOOL CheckWarning(const CSimContext* pSim, int nTrg);
    // No warning has started.
    void ResetForRun(const SYSTEMTIME& stNow) override;

    int m_nWarning = WARNING_NONE;
};

// Phases of the multiple function switch.
constexpr int MFS_OFF = 0;
constexpr int MFS_PRESSED = 1;    // Trg held, timed by TH
constexpr int MFS_STAIRCASE = 2;  // timed by T, with the warning blink
constexpr int MFS_PERMANENT = 3;
constexpr int MFS_ENDED = 4;      // the staircase time ran out

class CBlockMFS : public CBlockTime {
    DECLARE_SERIAL(CBlockMFS)

public:
    CBlockMFS();
    explicit CBlockMFS(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // A short press starts the staircase time T (with the warning blink), a press longer
    // than TH gives permanent light, and a press switches the light off again.
    BOOL Simulate(const CSimContext* pSim) override;
    // The light starts off, in no phase, with no warning.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // The staircase warning, measured on the running time alone.
    BOOL CheckWarning(int nTrg);

    int m_nPhase = MFS_OFF;
    int m_nWarning = WARNING_NONE;

private:
    void OnPress(const CSimContext* pSim);
    void OnRelease(const CSimContext* pSim);
    // A scan without a change of Trg: the phase's time and the warning.
    void Advance(const CSimContext* pSim, int nTrg);
};
