// The digital function blocks of the relay group: Latching Relay (808), Pulse Relay (809),
// Shift Register (812), Mathematical instruction error detection (823), Boolean function (830)
// and Trigger date time (831). Everything they store lives in the common record.
#pragma once

#include "blocks/BlockObj.h"

constexpr int SREG_INDEX_COUNT = 4;

// With S and R both 1: 0 lets R win, 1 lets S win.
constexpr int PR_SET_WINS_PARAMEX = 11;
// The register bit shown at the output (0-15) and the register index (0-3), which selects the
// shift-register bits S the register drives.
constexpr int SREG_BIT_PARAMEX = 9;
constexpr int SREG_INDEX_PARAMEX = 10;
// The error to detect (0 zero division, 1 overflow, 2 both) and the automatic reset.
constexpr int MATHERR_ERROR_PARAM = 8;
// The list index of the watched math block on the page (0 while the block names one).
constexpr int MATHERR_BLOCK_INDEX_PARAM = 9;
constexpr int MATHERR_AUTO_RESET_PARAMEX = 4;
// The truth table; bit i is the output for input combination i.
constexpr int BOOLEAN_TABLE_PARAMEX = 10;

class CBlockLR : public CBlockObj {
    DECLARE_SERIAL(CBlockLR)

public:
    CBlockLR();
    explicit CBlockLR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockPR : public CBlockObj {
    DECLARE_SERIAL(CBlockPR)

public:
    CBlockPR();
    explicit CBlockPR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockSREG : public CBlockObj {
    DECLARE_SERIAL(CBlockSREG)

public:
    CBlockSREG();
    explicit CBlockSREG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // On the newer generation a new register takes the lowest index that no shift register of
    // its document uses; with all four taken, or on the older generation, index 0.
    void InitForDocument(IBlockDocument* pDoc) override;

    BOOL Simulate(const CSimContext* pSim) override;
    // The register starts empty; the running time is kept.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // A register other than the first, which the newer line takes too.
    CString OlderLineProblem(long long nIndex, const CString& strCaption) const override;
    void AdaptToNewerLine() override;

    WORD m_wShiftReg = 0;  // run-time only
};

// Watches the math block m_pRefBlock[0]; its parameters go to the controller only.
class CBlockMATHERR : public CBlockObj {
    DECLARE_SERIAL(CBlockMATHERR)

public:
    CBlockMATHERR();
    explicit CBlockMATHERR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockBoolean : public CBlockObj {
    DECLARE_SERIAL(CBlockBoolean)

public:
    CBlockBoolean();
    explicit CBlockBoolean(int nType);

    void DrawSymbol(CDC* pDC) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

// Captures the simulated date and time of a trigger in m_strTimeText (not stored) and shows it in
// its value box; the reset input empties it, and so does the start of a run.
class CBlockTDT : public CBlockObj {
    DECLARE_SERIAL(CBlockTDT)

public:
    CBlockTDT();
    explicit CBlockTDT(int nType);

    void DrawSymbol(CDC* pDC) const override;

    BOOL Simulate(const CSimContext* pSim) override;
    // A new run has captured no time.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;
};
